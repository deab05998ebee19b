// The canvas the drawing benchmarks draw on: the desktop's own QtCanvas when the shell is built, else the
// recording canvas; and the chart area of a 1600 x 1000 window.
#pragma once

#ifdef REGATIX_WITH_IMAGES
#include <QGuiApplication>

#include "shell/QtCanvas.h"
using BenchCanvas = shell::QtCanvas;
#else
#include "view/RecordingCanvas.h"
using BenchCanvas = view::RecordingCanvas;
#endif

inline constexpr int kMapWidth = 1285;
inline constexpr int kMapHeight = 970;
