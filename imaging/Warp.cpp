#include "imaging/VisionModule.h"

#include "imaging/MatView.h"

#include <opencv2/imgproc.hpp>

BitmapHandle vision::Straighten(const CBitmap& picture, const CPageCorners& corners) {
    if (!corners.IsConvex())
        return nullptr;
    const CMatView source = CMatView::Of(picture);
    if (!source.IsValid())
        return nullptr;
    const QSize size = corners.StraightenedSize();
    // Corners dragged far outside would ask for a picture of any size: at most four times
    // the photo's pixels.
    if (double(size.width()) * size.height() >
        4.0 * double(picture.Width()) * double(picture.Height()))
        return nullptr;
    BitmapHandle result = CMatView::CreateLike(picture, size.width(), size.height());
    if (!result)
        return nullptr;
    const CMatView target = CMatView::Of(*result);
    if (!target.IsValid() || target.Mat().channels() != source.Mat().channels())
        return nullptr;
    // Both views may hold their rows bottom-up; the corners and the target rectangle are put
    // into each view's own row order, so the mapping stays the same.
    const double right = size.width() - 1;
    const double bottom = size.height() - 1;
    const QPointF targetCorners[4] = {{0, 0}, {right, 0}, {right, bottom}, {0, bottom}};
    cv::Point2f from[4];
    cv::Point2f to[4];
    for (int i = 0; i < 4; ++i) {
        const QPointF p = corners.At(i);
        from[i] = cv::Point2f(float(p.x()), float(source.MatY(p.y())));
        to[i] = cv::Point2f(float(targetCorners[i].x()), float(target.MatY(targetCorners[i].y())));
    }
    const cv::Mat transform = cv::getPerspectiveTransform(from, to);
    cv::Mat out = target.Mat(); // shares the result's pixels
    cv::warpPerspective(source.Mat(), out, transform, out.size(), cv::INTER_LINEAR,
                        cv::BORDER_REPLICATE);
    return result;
}
