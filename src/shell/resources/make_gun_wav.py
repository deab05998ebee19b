#!/usr/bin/env python3
# Makes gun.wav, the start gun: a crack of noise, a low thump and a fading echo (22050 Hz, 16-bit mono,
# 1.05 s). Run it from this folder; the output is committed, so a build never needs Python.
import math
import random
import struct
import wave

RATE = 22050
SAMPLES = 23212  # 1.05 s; with the 44-byte header the file is 46468 bytes
random.seed(1852)


def one_pole(samples, cutoff_hz):
    # A simple low-pass: the crack keeps its edge, the body loses the hiss.
    alpha = 1.0 - math.exp(-2.0 * math.pi * cutoff_hz / RATE)
    out, y = [], 0.0
    for x in samples:
        y += alpha * (x - y)
        out.append(y)
    return out


noise = [random.uniform(-1.0, 1.0) for _ in range(SAMPLES)]
bright = one_pole(noise, 5000)
dark = one_pole(noise, 700)

signal = []
for n in range(SAMPLES):
    t = n / RATE
    attack = min(1.0, t / 0.0015)
    crack = bright[n] * math.exp(-t / 0.018) * 1.6
    body = dark[n] * math.exp(-t / 0.16) * 2.4
    thump = math.sin(2 * math.pi * (55 + 40 * math.exp(-t / 0.03)) * t) * math.exp(-t / 0.09) * 0.9
    signal.append(attack * (crack + body + thump))

# Two echoes off the water and the club house, softer and duller.
for delay, gain in ((0.11, 0.35), (0.27, 0.18)):
    shift = int(delay * RATE)
    echo = one_pole(signal, 1500)
    for n in range(shift, SAMPLES):
        signal[n] += echo[n - shift] * gain

peak = max(abs(s) for s in signal)
fade = int(0.05 * RATE)
frames = bytearray()
for n, s in enumerate(signal):
    level = s / peak * 0.95
    if n > SAMPLES - fade:
        level *= (SAMPLES - n) / fade
    frames += struct.pack('<h', int(max(-1.0, min(1.0, level)) * 32767))

with wave.open('gun.wav', 'wb') as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(RATE)
    out.writeframes(bytes(frames))
