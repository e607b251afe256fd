#include "camera/CameraPipeline.h"

#include "camera/CameraCaps.h"
#include "camera/CameraSource.h"
#include "camera/GstLibrary.h"
#include "camera/StillWriter.h"

#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <new>
#include <vector>

struct CCameraPipeline::CImpl {
    GstElement* pipeline = nullptr;
    GstElement* gate = nullptr;
    GstPad* teeSink = nullptr;
    std::function<void()> notify;

    mutable QMutex mutex;
    EState state = EState::Stopped;
    QString error;
    QString requestedCaps;
    QSize frameSize;
    QImage view;
    std::uint64_t frames = 0;
    QString stillFolder;
    bool stillPending = false;
    std::optional<CStillResult> stillResult;

    std::atomic<int> orientation{1};
    std::atomic<bool> wantStill{false};

    void Notify() {
        if (notify)
            notify();
    }
    void Fail(const QString& why) {
        {
            QMutexLocker lock(&mutex);
            state = EState::Failed;
            if (error.isEmpty())
                error = why;
            if (stillPending) {
                stillPending = false;
                stillResult = CStillResult{kCaptureFailed, {}, error};
            }
        }
        Notify();
    }
    void Teardown();
};

namespace {

using CImpl = CCameraPipeline::CImpl;

// Only reached once the camera source was made, so GStreamer is loaded.
const CGstLibrary& Gst() {
    return *GstLibrary();
}

GstBusSyncReply OnBusMessage(GstBus*, GstMessage* message, gpointer data) {
    const CGstLibrary& gst = Gst();
    auto* d = static_cast<CImpl*>(data);
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
        GError* error = nullptr;
        gchar* debug = nullptr;
        gst.gst_message_parse_error(message, &error, &debug);
        QString text = error ? QString::fromUtf8(error->message) : QStringLiteral("camera error");
        if (debug)
            text += QStringLiteral(" (%1)").arg(QString::fromUtf8(debug));
        g_clear_error(&error);
        g_free(debug);
        d->Fail(text);
    } else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) {
        d->Fail(QStringLiteral("the camera stopped delivering pictures"));
    }
    // Nobody reads the bus: everything that matters is handled here.
    return GST_BUS_DROP;
}

GstPadProbeReturn OnTeeEvent(GstPad*, GstPadProbeInfo* info, gpointer data) {
    const CGstLibrary& gst = Gst();
    GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info);
    // The still branch holds its end back while closed, so the pipeline would never report
    // the end of the pictures; it is seen here instead.
    if (event && GST_EVENT_TYPE(event) == GST_EVENT_EOS)
        static_cast<CImpl*>(data)->Fail(QStringLiteral("the camera stopped delivering pictures"));
    if (event && GST_EVENT_TYPE(event) == GST_EVENT_TAG) {
        GstTagList* tags = nullptr;
        gst.gst_event_parse_tag(event, &tags);
        gchar* orientation = nullptr;
        if (tags && gst.gst_tag_list_get_string(tags, GST_TAG_IMAGE_ORIENTATION, &orientation)) {
            static_cast<CImpl*>(data)->orientation =
                ExifOrientationFromTag(QString::fromUtf8(orientation));
            g_free(orientation);
        }
    }
    return GST_PAD_PROBE_OK;
}

QSize CapsSize(GstCaps* caps) {
    const CGstLibrary& gst = Gst();
    int width = 0, height = 0;
    if (caps && gst.gst_caps_get_size(caps) > 0) {
        const GstStructure* s = gst.gst_caps_get_structure(caps, 0);
        gst.gst_structure_get_int(s, "width", &width);
        gst.gst_structure_get_int(s, "height", &height);
    }
    return QSize(width, height);
}

GstFlowReturn OnViewSample(GstAppSink* sink, gpointer data) {
    const CGstLibrary& gst = Gst();
    auto* d = static_cast<CImpl*>(data);
    GstSample* sample = gst.gst_app_sink_pull_sample(sink);
    if (!sample)
        return GST_FLOW_OK;
    GstVideoInfo info;
    GstVideoFrame frame;
    QImage copy;
    if (gst.gst_video_info_from_caps(&info, gst.gst_sample_get_caps(sample)) &&
        gst.gst_video_frame_map(&frame, &info, gst.gst_sample_get_buffer(sample), GST_MAP_READ)) {
        const QImage image(static_cast<const uchar*>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0)),
                           GST_VIDEO_FRAME_WIDTH(&frame), GST_VIDEO_FRAME_HEIGHT(&frame),
                           GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0), QImage::Format_ARGB32);
        copy = image.copy();
        gst.gst_video_frame_unmap(&frame);
    }
    gst.Unref(sample);
    if (copy.isNull())
        return GST_FLOW_OK;
    {
        QMutexLocker lock(&d->mutex);
        d->view = copy;
        ++d->frames;
        if (d->state == CCameraPipeline::EState::Starting)
            d->state = CCameraPipeline::EState::Running;
        if (d->frameSize.isEmpty() && d->teeSink) {
            GstCaps* caps = gst.gst_pad_get_current_caps(d->teeSink);
            d->frameSize = CapsSize(caps);
            if (caps)
                gst.Unref(caps);
        }
    }
    d->Notify();
    return GST_FLOW_OK;
}

// Packs the RGB frame (rows padded by GStreamer) into the writer's rows and stores it.
CStillResult StoreSample(GstSample* sample, const QString& folder, int orientation) {
    const CGstLibrary& gst = Gst();
    GstVideoInfo info;
    GstVideoFrame frame;
    if (!gst.gst_video_info_from_caps(&info, gst.gst_sample_get_caps(sample)) ||
        !gst.gst_video_frame_map(&frame, &info, gst.gst_sample_get_buffer(sample), GST_MAP_READ))
        return {kCaptureFailed, {}, QStringLiteral("the still frame cannot be read")};
    const int width = GST_VIDEO_FRAME_WIDTH(&frame);
    const int height = GST_VIDEO_FRAME_HEIGHT(&frame);
    const int stride = GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0);
    const auto* pixels = static_cast<const unsigned char*>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0));
    const std::size_t row = std::size_t(width) * 3;
    std::vector<unsigned char> packed;
    try {
        packed.resize(row * std::size_t(height));
    } catch (const std::bad_alloc&) {
        gst.gst_video_frame_unmap(&frame);
        return {kCaptureOutOfMemory, {}, QStringLiteral("no memory for the still")};
    }
    for (int y = 0; y < height; ++y)
        std::memcpy(packed.data() + row * y, pixels + std::size_t(stride) * y, row);
    gst.gst_video_frame_unmap(&frame);
    QString error;
    const QString path = WriteStill(folder, width, height, packed.data(), orientation, &error);
    if (path.isEmpty())
        return {kCaptureFailed, {}, error};
    return {kCaptureTaken, path, {}};
}

GstFlowReturn OnStillSample(GstAppSink* sink, gpointer data) {
    const CGstLibrary& gst = Gst();
    auto* d = static_cast<CImpl*>(data);
    GstSample* sample = gst.gst_app_sink_pull_sample(sink);
    if (!sample)
        return GST_FLOW_OK;
    if (!d->wantStill.exchange(false)) {
        gst.Unref(sample);
        return GST_FLOW_OK;
    }
    g_object_set(d->gate, "drop", TRUE, nullptr);
    QString folder;
    {
        QMutexLocker lock(&d->mutex);
        folder = d->stillFolder;
    }
    CStillResult result = StoreSample(sample, folder, d->orientation);
    gst.Unref(sample);
    {
        QMutexLocker lock(&d->mutex);
        d->stillPending = false;
        d->stillResult = std::move(result);
    }
    d->Notify();
    return GST_FLOW_OK;
}

void OnDecoderPad(GstElement*, GstPad* pad, gpointer data) {
    const CGstLibrary& gst = Gst();
    GstPad* sink = gst.gst_element_get_static_pad(static_cast<GstElement*>(data), "sink");
    if (sink && !gst.gst_pad_is_linked(sink))
        gst.gst_pad_link(pad, sink);
    if (sink)
        gst.gst_object_unref(sink);
}

void Listen(GstElement* bin, const char* name, GstFlowReturn (*onSample)(GstAppSink*, gpointer),
            CImpl* d) {
    const CGstLibrary& gst = Gst();
    GstElement* sink = gst.gst_bin_get_by_name(reinterpret_cast<GstBin*>(bin), name);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = onSample;
    gst.gst_app_sink_set_callbacks(reinterpret_cast<GstAppSink*>(sink), &callbacks, d, nullptr);
    gst.gst_object_unref(sink);
}

QString BranchesDescription(const QSize& viewBound) {
    // Viewfinder frames are upright and small, shown in time, which also paces a source that
    // is not a live camera. The still branch stays closed until a still is wanted, so
    // full-size frames are converted only then, and it never holds the viewfinder up.
    const char* viewFormat = G_BYTE_ORDER == G_LITTLE_ENDIAN ? "BGRA" : "ARGB";
    return QStringLiteral(
               "tee name=t "
               "t. ! queue max-size-buffers=2 max-size-bytes=0 max-size-time=0 ! videoconvert "
               "! videoflip video-direction=auto ! videoscale ! "
               "video/x-raw,format=%1,width=[1,%2],height=[1,%3],"
               "pixel-aspect-ratio=1/1 ! appsink name=view max-buffers=1 drop=true sync=true "
               "async=false "
               "t. ! valve name=gate drop=true ! queue leaky=downstream max-size-buffers=1 "
               "! videoconvert ! video/x-raw,format=RGB "
               "! appsink name=still max-buffers=1 drop=true sync=false async=false")
        .arg(QLatin1String(viewFormat))
        .arg(std::max(16, viewBound.width()))
        .arg(std::max(16, viewBound.height()));
}

} // namespace

void CImpl::Teardown() {
    if (!pipeline)
        return;
    const CGstLibrary& gst = Gst();
    // Waits for the streaming threads, so no callback runs once this returns.
    gst.gst_element_set_state(pipeline, GST_STATE_NULL);
    GstBus* bus = gst.gst_element_get_bus(pipeline);
    gst.gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst.gst_object_unref(bus);
    if (teeSink)
        gst.gst_object_unref(teeSink);
    if (gate)
        gst.gst_object_unref(gate);
    gst.gst_object_unref(pipeline);
    pipeline = nullptr;
    teeSink = nullptr;
    gate = nullptr;
    wantStill = false;
    QMutexLocker lock(&mutex);
    if (stillPending) {
        stillPending = false;
        stillResult = CStillResult{kCaptureFailed, {}, QStringLiteral("the camera was stopped")};
    }
}

CCameraPipeline::CCameraPipeline() : m(std::make_unique<CImpl>()) {}

CCameraPipeline::~CCameraPipeline() {
    Stop();
}

void CCameraPipeline::SetNotify(std::function<void()> notify) {
    m->notify = std::move(notify);
}

bool CCameraPipeline::Start(const QString& source, const QSize& requested, const QSize& viewBound) {
    Stop();
    {
        QMutexLocker lock(&m->mutex);
        m->state = EState::Starting;
        m->error.clear();
        m->requestedCaps.clear();
        m->frameSize = QSize();
        m->view = QImage();
        m->frames = 0;
        m->stillResult.reset();
        m->stillPending = false;
    }
    m->orientation = 1;
    QString why;
    GstElement* element = CreateCameraSource(source, &why);
    if (!element) {
        m->Fail(why);
        return false;
    }
    const CGstLibrary& gst = Gst();
    m->pipeline = gst.gst_pipeline_new("camera");
    gst.gst_bin_add(reinterpret_cast<GstBin*>(m->pipeline), element);
    GstBus* bus = gst.gst_element_get_bus(m->pipeline);
    gst.gst_bus_set_sync_handler(bus, OnBusMessage, m.get(), nullptr);
    gst.gst_object_unref(bus);

    // Opening the source first lets it tell the sizes it offers.
    QString offered = QStringLiteral("ANY");
    const bool sized = requested.width() > 0 && requested.height() > 0;
    if (sized) {
        if (gst.gst_element_set_state(m->pipeline, GST_STATE_READY) == GST_STATE_CHANGE_FAILURE) {
            m->Fail(QStringLiteral("the camera cannot be opened"));
            m->Teardown();
            return false;
        }
        if (GstPad* pad = gst.gst_element_get_static_pad(element, "src")) {
            if (GstCaps* caps = gst.gst_pad_query_caps(pad, nullptr)) {
                gchar* text = gst.gst_caps_to_string(caps);
                offered = QString::fromUtf8(text);
                g_free(text);
                gst.Unref(caps);
            }
            gst.gst_object_unref(pad);
        }
    }
    const QString capsText = ResolutionCaps(offered, requested);
    {
        QMutexLocker lock(&m->mutex);
        m->requestedCaps = capsText;
    }

    GError* parseError = nullptr;
    GstElement* branches = gst.gst_parse_bin_from_description(
        BranchesDescription(viewBound).toUtf8().constData(), TRUE, &parseError);
    GstElement* filter = gst.gst_element_factory_make("capsfilter", "res");
    GstElement* decoder = gst.gst_element_factory_make("decodebin", "decoder");
    if (parseError || !branches || !filter || !decoder) {
        m->Fail(parseError ? QString::fromUtf8(parseError->message)
                           : QStringLiteral("the camera pipeline cannot be built"));
        g_clear_error(&parseError);
        for (GstElement* e : {branches, filter, decoder})
            if (e)
                gst.gst_object_unref(gst.gst_object_ref_sink(e));
        m->Teardown();
        return false;
    }
    GstCaps* caps = gst.gst_caps_from_string(capsText.toUtf8().constData());
    g_object_set(filter, "caps", caps, nullptr);
    gst.Unref(caps);
    gst.gst_bin_add_many(reinterpret_cast<GstBin*>(m->pipeline), filter, decoder, branches,
                         nullptr);
    // The decoder shows its output once it knows what the camera sends (raw or JPEG).
    g_signal_connect(decoder, "pad-added", G_CALLBACK(OnDecoderPad), branches);
    m->gate = gst.gst_bin_get_by_name(reinterpret_cast<GstBin*>(branches), "gate");
    GstElement* tee = gst.gst_bin_get_by_name(reinterpret_cast<GstBin*>(branches), "t");
    m->teeSink = gst.gst_element_get_static_pad(tee, "sink");
    gst.gst_object_unref(tee);
    gst.gst_pad_add_probe(m->teeSink, GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM, OnTeeEvent, m.get(),
                          nullptr);
    Listen(branches, "view", OnViewSample, m.get());
    Listen(branches, "still", OnStillSample, m.get());

    if (!gst.gst_element_link_many(element, filter, decoder, nullptr)) {
        m->Fail(QStringLiteral("the camera's pictures cannot be used"));
        m->Teardown();
        return false;
    }
    if (gst.gst_element_set_state(m->pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        m->Fail(QStringLiteral("the camera cannot be started"));
        m->Teardown();
        return false;
    }
    return true;
}

void CCameraPipeline::Stop() {
    m->Teardown();
    QMutexLocker lock(&m->mutex);
    if (m->state != EState::Failed)
        m->state = EState::Stopped;
}

CCameraPipeline::EState CCameraPipeline::State() const {
    QMutexLocker lock(&m->mutex);
    return m->state;
}

QString CCameraPipeline::ErrorText() const {
    QMutexLocker lock(&m->mutex);
    return m->error;
}

QString CCameraPipeline::RequestedCaps() const {
    QMutexLocker lock(&m->mutex);
    return m->requestedCaps;
}

QSize CCameraPipeline::FrameSize() const {
    QMutexLocker lock(&m->mutex);
    return m->frameSize;
}

QImage CCameraPipeline::ViewFrame() const {
    QMutexLocker lock(&m->mutex);
    return m->view;
}

std::uint64_t CCameraPipeline::ViewFrameCount() const {
    QMutexLocker lock(&m->mutex);
    return m->frames;
}

bool CCameraPipeline::RequestStill(const QString& folder) {
    {
        QMutexLocker lock(&m->mutex);
        if (m->state != EState::Running || m->stillPending || !m->gate)
            return false;
        m->stillPending = true;
        m->stillFolder = folder;
        m->stillResult.reset();
    }
    m->wantStill = true;
    g_object_set(m->gate, "drop", FALSE, nullptr);
    return true;
}

bool CCameraPipeline::IsStillPending() const {
    QMutexLocker lock(&m->mutex);
    return m->stillPending;
}

std::optional<CStillResult> CCameraPipeline::TakeStillResult() {
    QMutexLocker lock(&m->mutex);
    std::optional<CStillResult> result = std::move(m->stillResult);
    m->stillResult.reset();
    return result;
}
