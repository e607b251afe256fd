#pragma once

// The one aspect-fit rule of PDF placement, the editor's fit view and thumbnail drawing: the
// largest size with the source's proportions inside the box. The ratios are computed in single
// precision and the products truncated toward zero; equal ratios fit the box's height.

#include <QSize>

QSize FitSize(int sourceWidth, int sourceHeight, int boxWidth, int boxHeight);
