#include "pdf/ImageMatrix.h"

// In image space the stored picture fills the unit square with its top row at v = 1. Each
// orientation maps (u, v) to the upright square (U, V); the page point is (x + w U, y + h V).
CImageMatrix OrientedImageMatrix(int orientation, float x, float y, float w, float h) {
    switch (orientation) {
    case 2: return {-w, 0, 0, h, x + w, y};      // mirrored left to right
    case 3: return {-w, 0, 0, -h, x + w, y + h}; // turned half round
    case 4: return {w, 0, 0, -h, x, y + h};      // mirrored top to bottom
    case 5: return {0, -h, -w, 0, x + w, y + h}; // mirrored along the main diagonal
    case 6: return {0, -h, w, 0, x, y + h};      // stored a quarter turn anticlockwise
    case 7: return {0, h, w, 0, x, y};           // mirrored along the other diagonal
    case 8: return {0, h, -w, 0, x + w, y};      // stored a quarter turn clockwise
    default: return {w, 0, 0, h, x, y};
    }
}
