// Compiled into every program that links the algebra layer: GiNaC's number
// library keeps one small allocation of its start-up to the end of the run,
// and a LeakSanitizer build of such a program is told so instead of failing
// at exit.
#if defined(__SANITIZE_ADDRESS__)
#define VELSIRA_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELSIRA_LEAK_CHECKED 1
#endif
#endif

#ifdef VELSIRA_LEAK_CHECKED
extern "C" const char* __lsan_default_suppressions() { return "leak:libcln.so\n"; }
// Without the list of suppressions used at exit, which would be written to
// the standard error of every such program.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif
