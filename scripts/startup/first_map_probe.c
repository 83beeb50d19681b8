/* Starts a program and watches the X server for the first top-level window
 * it maps. At that moment the program is stopped (SIGSTOP) and measured:
 * its CPU time, all threads together, those already ended included (the
 * process's CPU clock), and its minor page faults so far. It then runs on;
 * a second later its resident memory is read, and it is ended.
 *
 *   first_map_probe [-d delay_ms] [-t timeout_ms] program [args...]
 *
 * Prints one line: cpu_ms=... minflt=... rss_kib=... wall_ms=... threads=...
 * Exit status 0 when a window was mapped in time, 1 otherwise.
 *
 * Only a display with no other client mapping windows (a fresh Xvfb, no
 * window manager) gives clean figures: the first map seen is taken to be
 * the program's. */
#define _GNU_SOURCE
#include <dirent.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double now_ms(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static double cpu_ms(pid_t pid) {
    clockid_t clock;
    struct timespec ts;
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &ts) != 0) return -1;
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

/* Field 10 of /proc/PID/stat: minor faults of the whole process. */
static long minor_faults(pid_t pid) {
    char path[64], text[4096];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE* file = fopen(path, "r");
    if (!file) return -1;
    size_t n = fread(text, 1, sizeof text - 1, file);
    fclose(file);
    text[n] = 0;
    const char* p = strrchr(text, ')'); /* the command name may hold spaces */
    if (!p) return -1;
    long value = -1;
    /* after ")": state(3) ppid(4) pgrp(5) session(6) tty(7) tpgid(8) flags(9) minflt(10) */
    if (sscanf(p + 1, " %*c %*d %*d %*d %*d %*d %*u %ld", &value) != 1) return -1;
    return value;
}

static long status_field(pid_t pid, const char* name) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* file = fopen(path, "r");
    if (!file) return -1;
    long value = -1;
    size_t length = strlen(name);
    while (fgets(line, sizeof line, file)) {
        if (strncmp(line, name, length) == 0 && line[length] == ':') {
            value = strtol(line + length + 1, NULL, 10);
            break;
        }
    }
    fclose(file);
    return value;
}

static void end_child(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 40; ++i) {
        if (waitpid(pid, NULL, WNOHANG) == pid) return;
        usleep(50000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

int main(int argc, char** argv) {
    int delay_ms = 1000, timeout_ms = 20000, opt;
    while ((opt = getopt(argc, argv, "+d:t:")) != -1) {
        if (opt == 'd') delay_ms = atoi(optarg);
        else if (opt == 't') timeout_ms = atoi(optarg);
        else return 2;
    }
    if (optind >= argc) {
        fprintf(stderr, "usage: first_map_probe [-d delay_ms] [-t timeout_ms] program [args...]\n");
        return 2;
    }
    xcb_connection_t* x = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(x)) {
        fprintf(stderr, "first_map_probe: cannot connect to the X server\n");
        return 2;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask));

    const double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[optind], argv + optind);
        perror("first_map_probe: exec");
        _exit(127);
    }
    if (pid < 0) return 2;

    int mapped = 0;
    struct pollfd watch = {xcb_get_file_descriptor(x), POLLIN, 0};
    while (!mapped) {
        xcb_generic_event_t* event;
        while (!mapped && (event = xcb_poll_for_event(x)) != NULL) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const xcb_map_notify_event_t* map = (const xcb_map_notify_event_t*)event;
                if (!map->override_redirect) mapped = 1;
            }
            free(event);
        }
        if (mapped) break;
        int left = (int)(start + timeout_ms - now_ms());
        if (left <= 0 || waitpid(pid, NULL, WNOHANG) == pid) break;
        poll(&watch, 1, left);
    }
    if (!mapped) {
        fprintf(stderr, "first_map_probe: %s mapped no window\n", argv[optind]);
        end_child(pid);
        return 1;
    }
    kill(pid, SIGSTOP);
    int status;
    waitpid(pid, &status, WUNTRACED);
    const double wall = now_ms() - start;
    const double cpu = cpu_ms(pid);
    const long faults = minor_faults(pid);
    const long threads = status_field(pid, "Threads");
    kill(pid, SIGCONT);
    usleep((useconds_t)delay_ms * 1000);
    const long rss = status_field(pid, "VmRSS");
    printf("cpu_ms=%.2f minflt=%ld rss_kib=%ld wall_ms=%.1f threads=%ld\n", cpu, faults, rss, wall, threads);
    end_child(pid);
    xcb_disconnect(x);
    return 0;
}
