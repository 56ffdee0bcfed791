#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up of the wizard against a bare Qt window: each is started in turn, alternating, on a private Xvfb, and
timed from its start until its first top-level window is mapped; its resident memory is read once the window has
been up for a moment. Prints the median of each, their ratio, and the ratio of the medians' resident memory.

    /usr/bin/python3 startup.py <larkspan> <bare_window> [runs, default 9]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay


def start_xvfb():
    read, write = os.pipe()
    server = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0', '1024x768x24', '-nolisten', 'tcp',
                               '-noreset'], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as numbers:
        number = numbers.readline().strip()
    if not number:
        sys.exit('Xvfb did not start')
    return server, ':' + number


def resident_kib(pid):
    with open(f'/proc/{pid}/status') as status:
        for line in status:
            if line.startswith('VmRSS:'):
                return int(line.split()[1])
    return 0


def one_start(program, screen, home):
    """Seconds from the start of the program until a top-level window maps, and its resident memory after."""
    root = screen.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    screen.sync()
    while screen.pending_events():
        screen.next_event()
    environment = dict(os.environ, DISPLAY=screen.get_display_name(), QT_QPA_PLATFORM='xcb', HOME=home,
                       XDG_CONFIG_HOME=os.path.join(home, '.config'))
    started = time.perf_counter()
    process = subprocess.Popen([program], env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while True:
            event = screen.next_event()
            if event.type == X.MapNotify and not event.override:
                mapped = time.perf_counter() - started
                break
        time.sleep(0.5)
        return mapped, resident_kib(process.pid)
    finally:
        process.kill()
        process.wait()


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    wizard, bare = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 9
    server, name = start_xvfb()
    try:
        screen = xdisplay.Display(name)
        with tempfile.TemporaryDirectory() as home:
            results = {wizard: [], bare: []}
            one_start(bare, screen, home)  # the first start of all warms the caches for both
            for _ in range(runs):
                for program in (wizard, bare):
                    results[program].append(one_start(program, screen, home))
    finally:
        server.terminate()
        server.wait()

    def medians(program):
        return (statistics.median(t for t, _ in results[program]), statistics.median(m for _, m in results[program]))

    (wizard_time, wizard_memory), (bare_time, bare_memory) = medians(wizard), medians(bare)
    print(f'start to mapped window, median of {runs} alternating: wizard {wizard_time * 1000:.0f} ms, '
          f'bare window {bare_time * 1000:.0f} ms, ratio {wizard_time / bare_time:.2f}x')
    print(f'resident memory after start: wizard {wizard_memory / 1024:.1f} MiB, '
          f'bare window {bare_memory / 1024:.1f} MiB, ratio {wizard_memory / bare_memory:.2f}x')


main()
