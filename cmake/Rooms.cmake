# The rooms of the UI framework (framework/window/<room>/) and of the
# application (app/<room>/), each list from the bottom up. A file may include
# its own room (with its pure/ part) and the rooms before it, never a room
# after it, so that every arrow between rooms points down. The application's
# spine, the files at app/'s root, stands above its rooms; a room takes from
# it only the shared state and the command numbers.
set(WINDOW_ROOMS core paint controls menus shapes elements dropdown dialogs)
set(APP_ROOMS emergency keys storing traymenus titlerules)
set(APP_SPINE_SHARED app/AppState.h app/Commands.h)
