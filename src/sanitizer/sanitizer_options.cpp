// Linked only into the executables of a sanitizer build.
//
// The LeakSanitizer of GCC 12 can crash at process exit ("Tracer caught signal 11") while it walks
// the dynamic thread-local storage of the libraries that Qt loads (glib under the event loop,
// the platform plugins): with this C library its record of those blocks is unreliable. Not
// scanning thread-local storage avoids the crash. It can only add reports, never hide a leak:
// memory reachable only from thread-local storage is then reported, which for glib's own
// per-thread caches, the print system's per-thread globals (libcups, which the print dialog
// uses), the D-Bus connection of the X11 platform (libdbus) and the C library's own records of
// loaded libraries is expected and suppressed below.

extern "C" const char* __lsan_default_options()
{
    return "use_tls=0:print_suppressions=0";
}

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libglib-2.0.so\n"
           "leak:libcups.so\n"
           "leak:libdbus-1.so\n"
           "leak:_dl_map_object_deps\n";
}
