// Linked into Stowpane.exe only (not the test programs), in place of parts of
// the standard library that the program, built without exceptions, cannot
// use: a throw the containers would make can only end it, and what the
// library ends it with brings the exception classes, a second string kind
// and a name demangler for a message no one sees (about 110 KB).
#include <cstdlib>
#include <exception>

namespace std {

// The library's own definitions of these sit in one object with the exception
// classes; defining every one of them keeps that object out (a missing one
// would bring it back, and the link would fail on the doubles).
void __throw_bad_exception() { abort(); }
void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_bad_cast() { abort(); }
void __throw_bad_typeid() { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_domain_error(const char*) { abort(); }
void __throw_invalid_argument(const char*) { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_out_of_range(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
void __throw_runtime_error(const char*) { abort(); }
void __throw_range_error(const char*) { abort(); }
void __throw_overflow_error(const char*) { abort(); }
void __throw_underflow_error(const char*) { abort(); }

}  // namespace std

namespace __gnu_cxx {
// The library's default terminate handler prints the exception's demangled
// name to a console a windowed program does not have.
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
