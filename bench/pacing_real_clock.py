#!/usr/bin/env python3
"""Long answers on the real clock: the program, headless, as a bot against the
local gateway in its pvpgn style on 127.0.0.1. Five users say a phrase within
one second; the bot answers each with a line of the given length. Prints, per
length, how many answers arrived whole, the server's refusals, the time until
the last piece of the fifth answer arrived, what the quota allows (the
answers' units packed four to a window of six seconds, the first window at
once, plus the second in which the phrases arrive) and the ratio.

Takes about three minutes. Usage:
  bench/pacing_real_clock.py BUILD_DIR [LENGTH...]
"""
import os
import socket
import subprocess
import sys
import tempfile
import time

PHRASE = "hello bot"
BOT = "Robo"


def answer_text(length):
    words, i = [], 0
    while len(" ".join(words)) < length:
        words.append("w%d" % i)
        i += 1
    text = " ".join(words)[:length]
    return text[:-1] + "x" if text.endswith(" ") else text


def units(length):
    return max(1, -(-length // 40))


def quota_allows(length, count=5):
    total = count * units(length)
    return 6.0 * (-(-total // 4) - 1) + 1.0


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class User:
    def __init__(self, port, name):
        self.sock = socket.create_connection(("127.0.0.1", port))
        self.sock.setblocking(False)
        self.buffer = b""
        self.lines = []  # (arrival time, line)
        self.sock.sendall(b"\x03\x04" + name.encode() + b"\rpw\r\r")

    def poll(self):
        try:
            while True:
                data = self.sock.recv(65536)
                if not data:
                    return
                self.buffer += data
        except BlockingIOError:
            pass
        now = time.monotonic()
        while b"\n" in self.buffer:
            line, self.buffer = self.buffer.split(b"\n", 1)
            self.lines.append((now, line.rstrip(b"\r").decode("latin-1")))

    def say(self, text):
        self.sock.sendall(text.encode() + b"\r")


def wait_for(users, predicate, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for u in users:
            u.poll()
        if predicate():
            return True
        time.sleep(0.005)
    return False


def run(build, length, workdir):
    env = dict(os.environ, HOME=workdir, XDG_CONFIG_HOME=os.path.join(workdir, "config"),
               ASAN_OPTIONS="detect_leaks=0", QT_QPA_PLATFORM="offscreen")
    program = os.path.join(build, "src/app/verdochat")
    chat = os.path.join(workdir, "bot%d.ch5" % length)
    text = answer_text(length)
    for args in (["new", chat], ["set", chat, "user-name", BOT],
                 ["set", chat, "password", "pw"], ["set", chat, "home-channel", "Chat"],
                 ["set", chat, "master-switch", "on"], ["set", chat, "respond-to-phrases", "on"],
                 ["add", chat, "phrases", PHRASE, text, text, text]):
        subprocess.run([program, "chatfile"] + args, env=env, check=True,
                       stdout=subprocess.DEVNULL)
    port = free_port()
    gateway = subprocess.Popen([os.path.join(build, "tools/gateway/verdochat-gateway"),
                                "--port", str(port), "--style", "pvpgn"], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    bot = None
    try:
        time.sleep(0.5)
        users = [User(port, "user%d" % k) for k in range(1, 6)]
        assert wait_for(users, lambda: all(any('1007 CHANNEL "Chat"' in l for _, l in u.lines)
                                           for u in users), 10), "users did not log on"
        bot_log = open(os.path.join(workdir, "bot%d.log" % length), "w")
        bot = subprocess.Popen([program, "--headless", "--server", "127.0.0.1:%d" % port, chat],
                               env=env, stdin=subprocess.PIPE, stdout=bot_log, stderr=bot_log)
        observer = users[0]
        assert wait_for(users, lambda: any(("JOIN %s " % BOT) in l for _, l in observer.lines),
                        30), "the bot did not join"
        time.sleep(7)  # the bot's own log-on lines no longer count in its quota
        first = time.monotonic()
        for k, u in enumerate(users):
            while time.monotonic() < first + 0.2 * k:
                wait_for(users, lambda: False, 0.01)
            u.say(PHRASE)

        def heard():
            return [(t, l[l.index('"') + 1:-1]) for t, l in observer.lines
                    if l.startswith("1005 TALK %s " % BOT)]

        def whole_answers():
            pieces = [p for _, p in heard()]
            count, joined = 0, ""
            for p in pieces:
                joined = p if not joined else joined + " " + p
                if joined == text:
                    count, joined = count + 1, ""
                elif len(joined) >= len(text):
                    joined = ""
            return count

        wait_for(users, lambda: whole_answers() == 5, 240)
        wait_for(users, lambda: False, 3)  # anything more, or a refusal, arrives
        refusals = sum(1 for line in open(bot_log.name, errors="replace")
                       if "quota has been exceeded" in line)
        pieces = heard()
        last = pieces[-1][0] - first if pieces else float("nan")
        return whole_answers(), len(pieces), refusals, last
    finally:
        if bot:
            bot.terminate()
            bot.wait(10)
        gateway.terminate()
        gateway.wait(10)


def main():
    build = sys.argv[1]
    lengths = [int(a) for a in sys.argv[2:]] or [30, 110, 190, 250]
    print("| answer length | arrived | pieces | refusals | last piece at | quota allows | ratio |")
    print("|---|---|---|---|---|---|---|")
    with tempfile.TemporaryDirectory() as workdir:
        for length in lengths:
            arrived, pieces, refusals, last = run(build, length, workdir)
            allows = quota_allows(length)
            print("| %d bytes | %d of 5 | %d | %d | %.1f s | %.1f s | %.2f |" %
                  (length, arrived, pieces, refusals, last, allows, last / allows), flush=True)


if __name__ == "__main__":
    main()
