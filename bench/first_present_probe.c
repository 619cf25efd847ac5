/* Preloaded into the desktop executable by bench/resource_budget.sh: writes the wall-clock
   time of the first presented frame (nanoseconds since the epoch) to $VK_FIRST_PRESENT_FILE,
   then hands every call on to SDL. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

void SDL_RenderPresent(void* renderer) {
    static int seen = 0;
    static void (*real)(void*) = NULL;
    if (real == NULL) {
        real = (void (*)(void*))dlsym(RTLD_NEXT, "SDL_RenderPresent");
    }
    real(renderer);
    if (!seen) {
        seen = 1;
        struct timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        const char* path = getenv("VK_FIRST_PRESENT_FILE");
        FILE* out = path != NULL ? fopen(path, "w") : NULL;
        if (out != NULL) {
            fprintf(out, "%lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
            fclose(out);
        }
    }
}
