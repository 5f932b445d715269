// first_paint PROGRAM: starts PROGRAM on the X display, watches the screen where its start window
// appears until the heading's blue text shows, then closes the window by real input and reports
//   first_paint_ms=<time from the start of the process to the first frame with the heading>
//   peak_rss_kib=<the process's peak resident set, from the kernel's accounting once it has ended>
//   exit_code=<its exit code>
// The program itself is not changed or told anything: all it gets is the display.
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <errno.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { OuterWidth = 379, OuterHeight = 350, WatchedHeight = 100, BluePixelsNeeded = 200 };

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static void sleep_ms(double ms) {
    struct timespec t = {(time_t)(ms / 1e3), (long)((ms - (time_t)(ms / 1e3) * 1e3) * 1e6)};
    nanosleep(&t, NULL);
}

static int channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0)
        return 0;
    int shift = __builtin_ctzl(mask);
    return (int)(((pixel & mask) >> shift) * 255 / (mask >> shift));
}

// Pixels of the heading's pure blue in the band of the screen where the start window's top lies.
static int count_blue(Display* display, Window root, int x, int y, int width, int height) {
    XImage* image = XGetImage(display, root, x, y, (unsigned)width, (unsigned)height, AllPlanes, ZPixmap);
    if (image == NULL)
        return 0;
    int blue = 0;
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) {
            unsigned long pixel = XGetPixel(image, col, row);
            int r = channel(pixel, image->red_mask);
            int g = channel(pixel, image->green_mask);
            int b = channel(pixel, image->blue_mask);
            blue += r < 40 && g < 40 && b > 215;
        }
    XDestroyImage(image);
    return blue;
}

static pid_t start_program(char** argv) {
    pid_t pid = fork();
    if (pid == 0) {
        execv(argv[0], argv);
        perror("exec");
        _exit(127);
    }
    return pid;
}

static int wait_for_end(pid_t pid, double limit_ms, struct rusage* usage, int* status) {
    double until = now_ms() + limit_ms;
    while (now_ms() < until) {
        pid_t done = wait4(pid, status, WNOHANG, usage);
        if (done == pid)
            return 1;
        if (done < 0 && errno != EINTR)
            return 0;
        sleep_ms(5);
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: first_paint PROGRAM\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "first_paint: no X display\n");
        return 2;
    }
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int screen_width = DisplayWidth(display, screen);
    const int screen_height = DisplayHeight(display, screen);
    const int x = (screen_width - OuterWidth) / 2;
    const int y = (screen_height - OuterHeight) / 2;
    // The root window keeps the pixels of a window that has gone unless it has a background to repaint.
    XSetWindowBackground(display, root, BlackPixel(display, screen));
    XClearWindow(display, root);
    XSync(display, False);
    if (count_blue(display, root, x, y, OuterWidth, WatchedHeight) >= BluePixelsNeeded) {
        fprintf(stderr, "first_paint: the screen shows the heading before the start\n");
        return 2;
    }

    const double started = now_ms();
    const pid_t pid = start_program(argv + 1);
    if (pid < 0) {
        perror("fork");
        return 2;
    }
    double painted = -1;
    while (now_ms() - started < 30000) {
        // The root window keeps the pixels of a window that has gone unless it has a background to repaint.
        XSetWindowBackground(display, root, BlackPixel(display, screen));
        XClearWindow(display, root);
        XSync(display, False);
        if (count_blue(display, root, x, y, OuterWidth, WatchedHeight) >= BluePixelsNeeded) {
            painted = now_ms();
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "first_paint: the program ended before it painted\n");
            return 1;
        }
        sleep_ms(1);
    }
    XCloseDisplay(display);
    if (painted < 0) {
        fprintf(stderr, "first_paint: no heading on the screen within 30 s\n");
        kill(pid, SIGKILL);
        waitpid(pid, NULL, 0);
        return 1;
    }

    // Let the program settle, then close its window as a user would: activate it and press Esc.
    sleep_ms(300);
    if (system("id=$(xdotool search --onlyvisible --name '^Quorvane$' | head -n 1) && [ -n \"$id\" ] && "
               "xdotool windowactivate --sync \"$id\" && xdotool key --clearmodifiers Escape") != 0)
        fprintf(stderr, "first_paint: xdotool could not close the window\n");
    struct rusage usage;
    int status = 0;
    if (!wait_for_end(pid, 10000, &usage, &status)) {
        fprintf(stderr, "first_paint: the program did not end after Esc\n");
        kill(pid, SIGKILL);
        wait4(pid, &status, 0, &usage);
    }
    printf("first_paint_ms=%.1f\n", painted - started);
    printf("peak_rss_kib=%ld\n", usage.ru_maxrss);
    printf("exit_code=%d\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return 0;
}
