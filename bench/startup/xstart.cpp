// xstart: starts a program on the X server named by DISPLAY and times its
// start as the user sees it.
//
//   xstart [--linger MS] [--quiet MS] [--ignore X,Y,W,H]... [--timeout MS]
//          [--zoom-click X,Y --zoom-keys "KEY ..."] -- PROGRAM [ARGS...]
//
// Prints one line:
//   mapped_ms=… paint_ms=… settled_ms=… mapped_cpu_ms=… maxrss_kib=… exit=…
// and with --zoom-click, after it:
//   zoom_mapped_ms=… zoom_paint_ms=… zoom_gap_ms=… zoom_maxrss_kib=…
//
// Launch is the moment just before the fork. From then on:
// - mapped: the MapNotify of the program's top-level window (a child of the
//   root window, not override-redirect, whose _NET_WM_PID is the program's);
// - paint: the first moment at which every pixel of that window has been
//   drawn since it was mapped. Every new top-level window gets an XDamage
//   object (raw rectangles) when it is created, i.e. before it can be drawn;
//   the damage rectangles of the mapped window are united, and the first
//   paint has ended with the damage event that completes the window's whole
//   rectangle. A toolkit that sets no window background (Qt does not) draws
//   nothing else, so this is the first complete frame on the screen;
// - settled: the last damage event before a quiet period of --quiet ms
//   (default 250) in which nothing was drawn, not counting damage that lies
//   wholly inside one of the --ignore rectangles (window coordinates; for
//   an animation that never stops). It shows work that the program draws
//   after its first frame;
// - mapped_cpu: the CPU time the program (all its threads) had used when
//   its window was mapped, from /proc/PID/task/*/schedstat: the work before
//   the window appears, which a busy machine does not stretch as it
//   stretches the wall-clock times;
// - maxrss: the child's peak resident set, from wait4()'s rusage.
// The program is left running until --linger ms (default 1000) after its
// window was mapped and the window has settled, so that the work it does
// just after its first frame counts in the peak; then it is asked to close
// (WM_DELETE_WINDOW), and killed if it has not ended after --timeout ms.
// Times are milliseconds of CLOCK_MONOTONIC; a time that was not reached is
// printed as -1 and the exit status is non-zero.
//
// A change of the zoom (built with XTest): once the window has settled and
// lingered, a right click at X,Y of the window opens its menu, the keys
// (X key names) choose a zoom, and the moment the last key is sent is the
// choice. The program then starts itself again; xstart, the subreaper of
// its descendants, times from the choice: zoom_mapped, the map of the new
// program's window (another _NET_WM_PID); zoom_paint, its first complete
// frame; zoom_gap, from the old window's unmap to the new one's map (the
// time with no window on the screen). The new program is then left to
// linger, closed as above, and its peak RSS printed as zoom_maxrss.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#ifdef XSTART_XTEST
#include <X11/extensions/XTest.h>
#endif

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

double now()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Windows vanish under our requests (the program's own helper windows, input-only
// windows that take no damage); those errors are expected.
int ignoreErrors(Display *, XErrorEvent *) { return 0; }

long windowPid(Display *display, Window window)
{
    static const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
        if (type == XA_CARDINAL && format == 32 && count == 1)
            pid = long(*reinterpret_cast<unsigned long *>(data));
        XFree(data);
    }
    return pid;
}

// CPU time used so far by every thread of the process, in ms; -1 when unknown.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    double ns = 0;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        if (FILE *file = std::fopen((tasks + "/" + entry->d_name + "/schedstat").c_str(), "r")) {
            unsigned long long run = 0;
            if (std::fscanf(file, "%llu", &run) == 1)
                ns += double(run);
            std::fclose(file);
        }
    }
    closedir(dir);
    return ns / 1e6;
}

struct Rect {
    int x, y, w, h;
    bool contains(const XRectangle &r) const
    {
        return r.x >= x && r.y >= y && r.x + r.width <= x + w && r.y + r.height <= y + h;
    }
};

[[noreturn]] void usage()
{
    std::fprintf(stderr, "usage: xstart [--linger MS] [--quiet MS] [--ignore X,Y,W,H]... [--timeout MS] "
                         "[--zoom-click X,Y --zoom-keys \"KEY ...\"] -- PROGRAM [ARGS...]\n");
    std::exit(2);
}

void pause(double ms)
{
    const timespec ts{time_t(ms / 1000), long(ms * 1e6) % 1000000000L};
    nanosleep(&ts, nullptr);
}

// The right click into `window` and the keys, as a user's; false without XTest.
bool chooseZoom(Display *display, Window window, int x, int y, const std::string &keys)
{
#ifdef XSTART_XTEST
    int rootX = 0, rootY = 0;
    Window ignored;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY, &ignored);
    XTestFakeMotionEvent(display, DefaultScreen(display), rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display, 3, True, CurrentTime);
    XTestFakeButtonEvent(display, 3, False, CurrentTime);
    XFlush(display);
    pause(300); // the menu opens
    std::istringstream names(keys);
    std::string name;
    while (names >> name) {
        const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(name.c_str()));
        if (!code)
            return false;
        pause(40); // a submenu opens
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
        XFlush(display);
    }
    return true;
#else
    (void)display, (void)window, (void)x, (void)y, (void)keys;
    return false;
#endif
}

} // namespace

int main(int argc, char **argv)
{
    double linger = 1000, quiet = 250, timeout = 15000;
    std::vector<Rect> ignored;
    bool zoom = false;
    int zoomX = 0, zoomY = 0;
    std::string zoomKeys;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--") {
            ++first;
            break;
        }
        if (first + 1 >= argc)
            usage();
        const char *value = argv[++first];
        if (arg == "--linger")
            linger = std::atof(value);
        else if (arg == "--quiet")
            quiet = std::atof(value);
        else if (arg == "--timeout")
            timeout = std::atof(value);
        else if (arg == "--ignore") {
            Rect r{};
            if (std::sscanf(value, "%d,%d,%d,%d", &r.x, &r.y, &r.w, &r.h) != 4)
                usage();
            ignored.push_back(r);
        } else if (arg == "--zoom-click") {
            if (std::sscanf(value, "%d,%d", &zoomX, &zoomY) != 2)
                usage();
            zoom = true;
        } else if (arg == "--zoom-keys")
            zoomKeys = value;
        else
            usage();
    }
    if (first >= argc)
        usage();

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xstart: cannot open display\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "xstart: the X server has no DAMAGE extension\n");
        return 2;
    }
    int major = 1, minor = 1;
    XDamageQueryVersion(display, &major, &minor);
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    const Atom wmProtocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom wmDelete = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSync(display, False);

    // The program started again by the program is a grandchild: it becomes
    // ours when its parent ends, so that it can be waited for.
    if (zoom)
        prctl(PR_SET_CHILD_SUBREAPER, 1);

    const double launch = now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("xstart: fork");
        return 2;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[first], argv + first);
        std::perror("xstart: exec");
        _exit(127);
    }

    std::map<Window, Damage> damages; // every top-level window created since launch

    // One program's window as it appears: its map, its first complete frame
    // and its last drawing.
    struct Watched {
        pid_t pid = -1; // -1: any but the first child's (the program started again)
        Window window = None;
        int width = 0, height = 0;
        Region drawn = XCreateRegion();
        double mapped = -1, painted = -1, lastDamage = -1;
        bool ended = false;
        rusage usage{};
        int status = 0;
    };
    Watched first_{child}, again;
    Watched *watched = &first_; // the window being timed
    double closeAsked = -1, mappedCpu = -1, choice = -1, unmapped = -1;

    // Every child that ends: the program, the one it started, and the
    // intermediate processes of a detached start.
    auto reap = [&](int options) {
        for (;;) {
            int status = 0;
            rusage usage{};
            const pid_t got = wait4(-1, &status, options, &usage);
            if (got <= 0)
                return;
            for (Watched *w : {&first_, &again})
                if (w->pid == got) {
                    w->ended = true;
                    w->usage = usage;
                    w->status = status;
                }
        }
    };
    const auto close = [&](Window target, pid_t pid) {
        if (target != None) {
            XEvent message{};
            message.xclient.type = ClientMessage;
            message.xclient.window = target;
            message.xclient.message_type = wmProtocols;
            message.xclient.format = 32;
            message.xclient.data.l[0] = long(wmDelete);
            message.xclient.data.l[1] = CurrentTime;
            XSendEvent(display, target, False, NoEventMask, &message);
            XFlush(display);
        } else if (pid > 0)
            kill(pid, SIGTERM);
    };
    const auto finished = [&] { return first_.ended && (!zoom || choice < 0 || again.ended); };

    while (!finished()) {
        const double t = now();
        if (t - launch > timeout + (closeAsked < 0 ? 0 : 5000)) {
            for (Watched *w : {&first_, &again})
                if (w->pid > 0 && !w->ended)
                    kill(w->pid, SIGKILL);
            pause(100);
            reap(WNOHANG); // a program that never showed a window is left to the X server's end
            break;
        }
        const bool settled = watched->painted >= 0 && t - watched->lastDamage >= quiet;
        const bool lingered = settled && t - watched->mapped >= linger;
        if (zoom && watched == &first_ && lingered && choice < 0 && closeAsked < 0) {
            if (!chooseZoom(display, first_.window, zoomX, zoomY, zoomKeys)) {
                std::fprintf(stderr, "xstart: cannot send the zoom's keys (no XTest, or an unknown key)\n");
                zoom = false;
            } else {
                choice = now();
                watched = &again;
            }
        } else if (closeAsked < 0 && (lingered || t - launch > timeout)) {
            close(watched->window, watched->pid);
            closeAsked = t;
        }
        reap(WNOHANG);
        if (finished())
            break;
        if (!XPending(display)) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 5); // also wakes up to notice the child's end
            if (!XPending(display))
                continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double at = now();
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            const Window created = event.xcreatewindow.window;
            damages[created] = XDamageCreate(display, created, XDamageReportRawRectangles);
            XFlush(display);
        } else if (event.type == UnmapNotify && event.xunmap.event == root && event.xunmap.window == first_.window &&
                   choice >= 0 && unmapped < 0) {
            unmapped = at;
        } else if (event.type == MapNotify && event.xmap.event == root && watched->window == None &&
                   !event.xmap.override_redirect) {
            const long pid = windowPid(display, event.xmap.window);
            if (watched == &first_ ? pid != child : (pid <= 0 || pid == child))
                continue;
            watched->window = event.xmap.window;
            watched->pid = pid_t(pid);
            watched->mapped = at;
            if (watched == &first_)
                mappedCpu = cpuMs(child);
            Window ignoredRoot;
            int x, y;
            unsigned int w = 0, h = 0, border, depth;
            XGetGeometry(display, watched->window, &ignoredRoot, &x, &y, &w, &h, &border, &depth);
            watched->width = int(w);
            watched->height = int(h);
            if (!damages.count(watched->window))
                std::fprintf(stderr, "xstart: the window was mapped before it was seen created\n");
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto &damage = *reinterpret_cast<XDamageNotifyEvent *>(&event);
            if (watched->window == None || damage.drawable != watched->window)
                continue;
            XRectangle area = damage.area;
            if (watched->painted < 0) {
                XUnionRectWithRegion(&area, watched->drawn, watched->drawn);
                if (XRectInRegion(watched->drawn, 0, 0, unsigned(watched->width), unsigned(watched->height)) ==
                    RectangleIn) {
                    watched->painted = at;
                    watched->lastDamage = at;
                }
            } else {
                // The rectangles are the first window's; a zoomed window
                // has them larger.
                const double by = first_.width > 0 ? double(watched->width) / first_.width : 1.0;
                bool counts = true;
                for (const Rect &r : ignored)
                    if (Rect{int(r.x * by), int(r.y * by), int(r.w * by + 1), int(r.h * by + 1)}.contains(area))
                        counts = false;
                if (counts && closeAsked < 0)
                    watched->lastDamage = at;
            }
        }
    }
    XDestroyRegion(first_.drawn);
    XDestroyRegion(again.drawn);
    XCloseDisplay(display);

    const auto ms = [](double t, double from) { return t < 0 || from < 0 ? -1.0 : t - from; };
    const auto code = [](int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); };
    std::printf("mapped_ms=%.1f paint_ms=%.1f settled_ms=%.1f mapped_cpu_ms=%.1f maxrss_kib=%ld exit=%d",
                ms(first_.mapped, launch), ms(first_.painted, launch), ms(first_.lastDamage, launch), mappedCpu,
                long(first_.usage.ru_maxrss), code(first_.status));
    bool ok = first_.mapped >= 0 && first_.painted >= 0 && code(first_.status) == 0;
    if (zoom) {
        std::printf(" zoom_mapped_ms=%.1f zoom_paint_ms=%.1f zoom_gap_ms=%.1f zoom_maxrss_kib=%ld zoom_exit=%d",
                    ms(again.mapped, choice), ms(again.painted, choice), ms(again.mapped, unmapped),
                    long(again.usage.ru_maxrss), again.ended ? code(again.status) : -1);
        ok = ok && again.mapped >= 0 && again.painted >= 0 && again.ended && code(again.status) == 0;
    }
    std::printf("\n");
    return ok ? 0 : 1;
}
