// xstart: starts a program on the X server named by DISPLAY and times its
// start as the user sees it.
//
//   xstart [--linger MS] [--quiet MS] [--ignore X,Y,W,H]... [--timeout MS] -- PROGRAM [ARGS...]
//
// Prints one line:
//   mapped_ms=… paint_ms=… settled_ms=… mapped_cpu_ms=… maxrss_kib=… exit=…
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

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
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
    std::fprintf(stderr, "usage: xstart [--linger MS] [--quiet MS] [--ignore X,Y,W,H]... [--timeout MS] -- PROGRAM "
                         "[ARGS...]\n");
    std::exit(2);
}

} // namespace

int main(int argc, char **argv)
{
    double linger = 1000, quiet = 250, timeout = 15000;
    std::vector<Rect> ignored;
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
        } else
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
    Window window = None;
    int width = 0, height = 0;
    Region drawn = XCreateRegion();
    double mapped = -1, painted = -1, lastDamage = -1, closeAsked = -1, mappedCpu = -1;
    bool ended = false;
    int status = 0;
    rusage usage{};

    auto reap = [&](int options) {
        if (ended)
            return;
        const pid_t got = wait4(child, &status, options, &usage);
        if (got == child)
            ended = true;
    };

    while (!ended) {
        const double t = now();
        if (t - launch > timeout + (closeAsked < 0 ? 0 : 5000)) {
            kill(child, SIGKILL);
            reap(0);
            break;
        }
        const bool settled = painted >= 0 && t - lastDamage >= quiet;
        if (closeAsked < 0 && ((settled && t - mapped >= linger) || t - launch > timeout)) {
            if (window != None) {
                XEvent message{};
                message.xclient.type = ClientMessage;
                message.xclient.window = window;
                message.xclient.message_type = wmProtocols;
                message.xclient.format = 32;
                message.xclient.data.l[0] = long(wmDelete);
                message.xclient.data.l[1] = CurrentTime;
                XSendEvent(display, window, False, NoEventMask, &message);
                XFlush(display);
            } else
                kill(child, SIGTERM);
            closeAsked = t;
        }
        reap(WNOHANG);
        if (ended)
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
        } else if (event.type == MapNotify && event.xmap.event == root && window == None &&
                   !event.xmap.override_redirect && windowPid(display, event.xmap.window) == child) {
            window = event.xmap.window;
            mapped = at;
            mappedCpu = cpuMs(child);
            Window ignoredRoot;
            int x, y;
            unsigned int w = 0, h = 0, border, depth;
            XGetGeometry(display, window, &ignoredRoot, &x, &y, &w, &h, &border, &depth);
            width = int(w);
            height = int(h);
            if (!damages.count(window))
                std::fprintf(stderr, "xstart: the window was mapped before it was seen created\n");
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto &damage = *reinterpret_cast<XDamageNotifyEvent *>(&event);
            if (window == None || damage.drawable != window)
                continue;
            XRectangle area = damage.area;
            if (painted < 0) {
                XUnionRectWithRegion(&area, drawn, drawn);
                if (XRectInRegion(drawn, 0, 0, unsigned(width), unsigned(height)) == RectangleIn) {
                    painted = at;
                    lastDamage = at;
                }
            } else {
                bool counts = true;
                for (const Rect &r : ignored)
                    if (r.contains(area))
                        counts = false;
                if (counts && closeAsked < 0)
                    lastDamage = at;
            }
        }
    }
    XDestroyRegion(drawn);
    XCloseDisplay(display);

    const auto ms = [&](double t) { return t < 0 ? -1.0 : t - launch; };
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::printf("mapped_ms=%.1f paint_ms=%.1f settled_ms=%.1f mapped_cpu_ms=%.1f maxrss_kib=%ld exit=%d\n", ms(mapped),
                ms(painted), ms(lastDamage), mappedCpu, long(usage.ru_maxrss), code);
    return mapped >= 0 && painted >= 0 && code == 0 ? 0 : 1;
}
