// Starts a program without arguments on the X display named by DISPLAY and waits, polling every
// millisecond, until a window with the given title is viewable. Prints the time from the start of
// the process to that moment in milliseconds and the program's peak resident memory (VmHWM) in
// kB, then kills the program. The program's own output is dropped.
//
//     window-wait TITLE TIMEOUT_SECONDS PROGRAM

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace
{
// Windows come and go while we look at them; a window gone in between is simply not ours.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

bool hasTitle(Display *display, Window window, const std::string &title)
{
    char *name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool same = title == name;
    XFree(name);
    return same;
}

// Looks through the viewable part of the window tree below the given window.
bool viewableWindowWithTitle(Display *display, Window parent, const std::string &title)
{
    Window root = 0, parentOfParent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &parentOfParent, &children, &count))
        return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) ||
            attributes.map_state != IsViewable)
            continue;
        found = hasTitle(display, children[i], title) ||
                viewableWindowWithTitle(display, children[i], title);
    }
    if (children)
        XFree(children);
    return found;
}

long peakMemoryKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s TITLE TIMEOUT_SECONDS PROGRAM\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const auto timeout = std::chrono::duration<double>(std::atof(argv[2]));
    char *program[] = {argv[3], nullptr};

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);

    using Clock = std::chrono::steady_clock;
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&quiet, 1, 2);
    pid_t pid = 0;
    const Clock::time_point started = Clock::now();
    const int spawned = posix_spawn(&pid, program[0], &quiet, nullptr, program, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::fprintf(stderr, "%s: %s\n", program[0], std::strerror(spawned));
        return 2;
    }

    int result = 0;
    while (!viewableWindowWithTitle(display, DefaultRootWindow(display), title)) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before its window showed\n", program[0]);
            return 1;
        }
        if (Clock::now() - started > timeout) {
            std::fprintf(stderr, "no window \"%s\" after %.0f s\n", title.c_str(), timeout.count());
            result = 1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - started;
    const long peak = peakMemoryKb(pid);

    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (result == 0)
        std::printf("%.1f %ld\n", elapsed.count(), peak);
    return result;
}
