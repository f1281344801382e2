/* Measures how long the machine holds up a thread of the highest real-time
 * priority: one wake-up per millisecond on each processor, and a line
 * "stall CPU END_NS LATE_NS" for each wake-up more than 2 ms late. On a
 * virtual machine these are the times the host took a processor away; no
 * thread of the program or the sound server can run then either.
 * Runs until killed.  Build: cc -O2 -pthread -o stall_probe stall_probe.c */
#define _GNU_SOURCE
#include <pthread.h>
#include <sched.h>
#include <stdio.h>
#include <time.h>
#include <unistd.h>

static long long ns(const struct timespec* t) { return t->tv_sec * 1000000000LL + t->tv_nsec; }

static void* probe(void* arg) {
  const int cpu = (int)(long)arg;
  cpu_set_t set;
  CPU_ZERO(&set);
  CPU_SET(cpu, &set);
  pthread_setaffinity_np(pthread_self(), sizeof set, &set);
  struct sched_param param = {.sched_priority = sched_get_priority_max(SCHED_FIFO)};
  pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
  struct timespec due, now;
  clock_gettime(CLOCK_MONOTONIC, &due);
  for (;;) {
    due.tv_nsec += 1000000;
    if (due.tv_nsec >= 1000000000) {
      due.tv_nsec -= 1000000000;
      due.tv_sec += 1;
    }
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, NULL);
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long late = ns(&now) - ns(&due);
    if (late > 2000000) {
      printf("stall %d %lld %lld\n", cpu, ns(&now), late);
      fflush(stdout);
    }
    due = now;
  }
  return NULL;
}

int main(void) {
  const long cpus = sysconf(_SC_NPROCESSORS_ONLN);
  pthread_t thread;
  for (long cpu = 1; cpu < cpus; ++cpu) pthread_create(&thread, NULL, probe, (void*)cpu);
  probe((void*)0);
  return 0;
}
