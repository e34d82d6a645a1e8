// A program without any resources: the icon tests read it as the executable
// that has no icon of its own (Explorer shows the application icon for it).
int main() { return 0; }
