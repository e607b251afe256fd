#include "imaging/MatView.h"

CMatView CMatView::Of(CBitmap& bitmap) {
    CMatView view;
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0)
        return view;
    if (bitmap.IsSection()) {
        view.m_mat = cv::Mat(bitmap.Height(), bitmap.Width(), CV_8UC3, bitmap.Bits(),
                             std::size_t(bitmap.RowPixels()) * 3);
        view.m_bottomUp = true;
        return view;
    }
    QImage& image = bitmap.DeviceImage();
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(kScreenFormat);
    if (image.isNull())
        return view;
    view.m_mat = cv::Mat(image.height(), image.width(), CV_8UC4, image.bits(),
                         std::size_t(image.bytesPerLine()));
    return view;
}

CMatView CMatView::Of(const CBitmap& bitmap) {
    if (bitmap.IsSection() || bitmap.Width() <= 0 || bitmap.Height() <= 0)
        return Of(const_cast<CBitmap&>(bitmap));
    CMatView view;
    const QImage* image = &bitmap.DeviceImage();
    if (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32) {
        view.m_converted = image->convertToFormat(kScreenFormat);
        image = &view.m_converted;
    }
    if (image->isNull())
        return view;
    view.m_mat =
        cv::Mat(image->height(), image->width(), CV_8UC4, const_cast<uchar*>(image->constBits()),
                std::size_t(image->bytesPerLine()));
    return view;
}

double CMatView::MatY(double pictureY) const {
    return m_bottomUp ? double(m_mat.rows - 1) - pictureY : pictureY;
}

BitmapHandle CMatView::CreateLike(const CBitmap& like, int width, int height) {
    return like.IsSection() ? CBitmap::CreateSection(width, height)
                            : CBitmap::CreateCompatible(width, height);
}
