// Leak reports to ignore in sanitizer builds: the D-Bus library, which Qt's platform plugin
// for X11 loads, keeps one allocation until the process ends.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}
