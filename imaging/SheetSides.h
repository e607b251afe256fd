#pragma once

// Sub-pixel placement of a sheet's sides on the scaled-down working picture of the sheet
// finder.

#include <opencv2/core.hpp>

#include <vector>

// Moves each side of the outline `q` (four corners in order) along its normal, by up to three
// pixels in half-pixel steps, to where the grey level of `grey` changes most across it, seen at
// evenly spaced points from a tenth to nine tenths of the side; then takes the corners where
// neighbouring sides cross (a corner that would move six pixels or more keeps its place). A side
// with no change of grey near it stays where it is.
void RefineSides(std::vector<cv::Point2f>& q, const cv::Mat& grey);
