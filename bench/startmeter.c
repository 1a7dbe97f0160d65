/* Starts a program on the current X display and reports, in milliseconds from the start:
 *   window  the first top-level window mapped
 *   idle    the last moment the process used CPU before 500 ms without any
 *   peak    the process's VmHWM in MB
 *   cpu     the CPU time it used, all threads, until it was killed
 * With -t COMMAND (repeatable), once the program is idle each COMMAND is run (a shell command, e.g. xdotool
 * keys; $STARTMETER_PID is the program's) and the time from its start until the program is idle again is
 * reported as "then N ms", and the peak memory after the last one as "endpeak N MB".
 * Usage: startmeter [-t COMMAND]... PROGRAM [ARGS...]   (the program is killed afterwards) */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
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

/* Waits until the process has used no CPU for 500 ms; returns that last moment of use. */
static double wait_idle(pid_t pid, double since, double limit)
{
    long last = cpu_ticks(pid);
    double lastChange = since;
    while (now_ms() - lastChange < 500 && now_ms() - since < limit) {
        usleep(5000);
        long t = cpu_ticks(pid);
        if (t != last) {
            last = t;
            lastChange = now_ms();
        }
    }
    return lastChange;
}

int main(int argc, char** argv)
{
    const char* steps[8];
    int nsteps = 0;
    while (argc > 2 && strcmp(argv[1], "-t") == 0 && nsteps < 8) {
        steps[nsteps++] = argv[2];
        argc -= 2;
        argv += 2;
    }
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
    double idle = wait_idle(pid, now_ms(), 60000) - t0;
    long kb = vm_hwm_kb(pid);
    printf("window %.0f ms  idle %.0f ms  peak %.1f MB", window, idle, kb / 1024.0);
    char pidText[32];
    snprintf(pidText, sizeof pidText, "%d", (int)pid);
    setenv("STARTMETER_PID", pidText, 1); /* the steps may look for the program's windows */
    for (int i = 0; i < nsteps; ++i) {
        double start = now_ms();
        if (system(steps[i]) != 0)
            fprintf(stderr, "startmeter: step failed: %s\n", steps[i]);
        printf("  then %.0f ms", wait_idle(pid, now_ms(), 60000) - start);
    }
    if (nsteps > 0)
        printf("  endpeak %.1f MB", vm_hwm_kb(pid) / 1024.0);
    printf("  ");
    fflush(stdout);
    kill(pid, SIGKILL);
    /* The CPU time the program used, all threads: steadier than the clock on a busy machine. */
    struct rusage usage;
    if (wait4(pid, NULL, 0, &usage) == pid)
        printf("cpu %.0f ms", usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 + usage.ru_stime.tv_sec * 1e3 +
                                  usage.ru_stime.tv_usec / 1e3);
    printf("\n");
    XCloseDisplay(dpy);
    return window < 0;
}
