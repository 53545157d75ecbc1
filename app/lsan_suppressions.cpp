// Leak reports to ignore in sanitizer builds:
// - the D-Bus library, which Qt's platform plugin for X11 loads, keeps one allocation until the
//   process ends;
// - the font configuration library keeps each pattern's array of elements as an offset from
//   the pattern rather than as a pointer, so a leak checker cannot follow it. The patterns the
//   configuration keeps for the whole run (Debian's rule that rejects bitmap fonts is one) are
//   then reported whenever no stale copy of the array's address is left on a stack, which is
//   most often so when the configuration was read on a thread that has since ended.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n"
           "leak:libfontconfig.so\n";
}
