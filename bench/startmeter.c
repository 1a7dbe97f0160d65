/* Starts a program on the current X display and reports, in milliseconds from the start:
 *   window  the first top-level window mapped
 *   idle    the last moment the process used CPU before 500 ms without any
 *   peak    the process's VmHWM in MB
 * Usage: startmeter PROGRAM [ARGS...]   (the program is killed afterwards) */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static long cpu_ticks(pid_t pid)
{
    char path[64], buf[2048];
    snprintf(path, sizeof path, "/proc/%d/stat", pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    size_t n = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    buf[n] = 0;
    char* p = strrchr(buf, ')');
    if (!p)
        return -1;
    long utime = 0, stime = 0;
    /* fields after the command: state(3) ... utime(14) stime(15) */
    int field = 2;
    for (char* tok = strtok(p + 1, " "); tok; tok = strtok(NULL, " ")) {
        ++field;
        if (field == 14)
            utime = atol(tok);
        if (field == 15) {
            stime = atol(tok);
            break;
        }
    }
    return utime + stime;
}

static long vm_hwm_kb(pid_t pid)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    long kb = -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmHWM: %ld kB", &kb) == 1)
            break;
    fclose(f);
    return kb;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: startmeter PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "startmeter: no display\n");
        return 2;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);
    double t0 = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double window = -1;
    while (window < 0 && now_ms() - t0 < 20000) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && !ev.xmap.override_redirect && window < 0)
                window = now_ms() - t0;
        }
        if (window < 0)
            usleep(200);
    }
    long last = cpu_ticks(pid);
    double lastChange = now_ms();
    while (now_ms() - lastChange < 500 && now_ms() - t0 < 60000) {
        usleep(5000);
        long t = cpu_ticks(pid);
        if (t != last) {
            last = t;
            lastChange = now_ms();
        }
    }
    double idle = lastChange - t0;
    long kb = vm_hwm_kb(pid);
    printf("window %.0f ms  idle %.0f ms  peak %.1f MB\n", window, idle, kb / 1024.0);
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
    XCloseDisplay(dpy);
    return window < 0;
}
