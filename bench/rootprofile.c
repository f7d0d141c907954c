/* rootprofile: puts an ICC profile on the X root window as the screen's
 * colour profile (_ICC_PROFILE), or takes it off.
 *   rootprofile FILE | rootprofile -d */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char **argv)
{
    Display *d = XOpenDisplay(NULL);
    if (!d || argc != 2) {
        fprintf(stderr, "usage: rootprofile FILE | -d\n");
        return 2;
    }
    Atom atom = XInternAtom(d, "_ICC_PROFILE", False);
    if (!strcmp(argv[1], "-d")) {
        XDeleteProperty(d, DefaultRootWindow(d), atom);
    } else {
        FILE *f = fopen(argv[1], "rb");
        static unsigned char bytes[1 << 20];
        size_t n = f ? fread(bytes, 1, sizeof bytes, f) : 0;
        if (!n) {
            fprintf(stderr, "rootprofile: cannot read %s\n", argv[1]);
            return 1;
        }
        fclose(f);
        XChangeProperty(d, DefaultRootWindow(d), atom, XA_CARDINAL, 8, PropModeReplace, bytes, (int)n);
    }
    XCloseDisplay(d);
    return 0;
}
