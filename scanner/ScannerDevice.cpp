#include "scanner/ScannerDevice.h"

#include "scanner/Sane.h"
#include "scanner/SaneLibrary.h"
#include "text/Catalogue.h"

#include <sane/saneopts.h>

#include <QDir>
#include <QPromise>
#include <QThreadPool>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <iterator>
#include <memory>
#include <thread>

namespace {

SANE_Handle Handle(void* handle) {
    return static_cast<SANE_Handle>(handle);
}

bool Contains(const QString& text, std::initializer_list<const char*> words) {
    const QString lower = text.toLower();
    return std::any_of(words.begin(), words.end(),
                       [&](const char* w) { return lower.contains(QLatin1String(w)); });
}

// What kind of source a backend's name for it stands for: the names differ from backend to
// backend ("Flatbed", "ADF Front", "Automatic Document Feeder", "ADF Duplex", ...).
EScanSource SourceKind(const QString& name) {
    if (Contains(name, {"duplex", "both"}))
        return EScanSource::Duplex;
    if (Contains(name, {"adf", "feeder", "document"}))
        return EScanSource::Feeder;
    if (Contains(name, {"flatbed", "platen", "normal"}))
        return EScanSource::Flatbed;
    return EScanSource::Default;
}

bool IsMode(const QString& name, EScanMode mode) {
    const bool color = Contains(name, {"color", "colour", "rgb"});
    const bool bw = Contains(name, {"lineart", "binary", "black", "bw", "monochrome", "halftone"});
    switch (mode) {
    case EScanMode::Color: return color && !bw;
    case EScanMode::Gray: return Contains(name, {"gray", "grey"}) && !color;
    case EScanMode::Lineart: return bw && !color;
    }
    return false;
}

// What a pipe holds on Linux unless it is made larger: a backend's reader can write this much
// ahead of the reading side.
constexpr qint64 kPipeBytes = 65536;

// The ids of this process's threads, sorted.
std::vector<int> ThreadIds() {
    std::vector<int> ids;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& name : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        ids.push_back(name.toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool Usable(const SANE_Option_Descriptor* d) {
    return d && SANE_OPTION_IS_ACTIVE(d->cap) && SANE_OPTION_IS_SETTABLE(d->cap);
}

// One sample of a row as 0-255: 1-bit samples are 255 when set (grey frames invert that,
// as SANE has a set bit mean black there), 16-bit ones are in the machine's byte order.
unsigned char Sample(const unsigned char* row, int index, int depth, bool grayFrame) {
    if (depth == 1) {
        const bool set = (row[index / 8] >> (7 - index % 8)) & 1;
        return (set != grayFrame) ? 255 : 0;
    }
    if (depth == 16) {
        std::uint16_t value = 0;
        std::memcpy(&value, row + 2 * std::size_t(index), 2);
        return static_cast<unsigned char>(value >> 8);
    }
    return row[index];
}

unsigned char Luma(const unsigned char* rgb) {
    return static_cast<unsigned char>((299 * rgb[0] + 587 * rgb[1] + 114 * rgb[2] + 500) / 1000);
}

} // namespace

QString CScannerInfo::Label() const {
    const QString maker = QStringList{vendor, model}.join(u' ').trimmed();
    return maker.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(maker, name);
}

std::vector<CScannerInfo> ListScanners(QString* reason) {
    std::vector<CScannerInfo> scanners;
    if (!EnsureSane(reason))
        return scanners;
    const auto lock = LockSane();
    const SANE_Device** devices = nullptr;
    const SANE_Status status = Sane().sane_get_devices(&devices, SANE_FALSE);
    if (status != SANE_STATUS_GOOD || !devices) {
        if (reason)
            *reason = TranslateText("Scanner", "the scanners could not be listed: %1")
                          .arg(SaneStatusText(status));
        return scanners;
    }
    for (int i = 0; devices[i]; ++i)
        scanners.push_back(
            {QString::fromUtf8(devices[i]->name), QString::fromUtf8(devices[i]->vendor),
             QString::fromUtf8(devices[i]->model), QString::fromUtf8(devices[i]->type)});
    return scanners;
}

CScannerSearch FindScanners() {
    const auto held = HoldSane();
    CScannerSearch search;
    for (CScannerInfo& info : ListScanners(&search.reason)) {
        CFoundScanner found{std::move(info), {}};
        CScannerDevice device;
        QString reason;
        if (device.Open(found.info.name, &reason))
            found.sources = device.Sources();
        search.scanners.push_back(std::move(found));
    }
    return search;
}

QFuture<CScannerSearch> FindScannersInBackground() {
    // QThreadPool takes a copyable task; the promise is not.
    auto promise = std::make_shared<QPromise<CScannerSearch>>();
    QFuture<CScannerSearch> future = promise->future();
    promise->start();
    QThreadPool::globalInstance()->start([promise] {
        promise->addResult(FindScanners());
        promise->finish();
    });
    return future;
}

CScannerDevice::~CScannerDevice() {
    Close();
}

bool CScannerDevice::Open(const QString& name, QString* reason) {
    Close();
    QString wanted = name;
    if (wanted.isEmpty()) {
        const std::vector<CScannerInfo> scanners = ListScanners(reason);
        if (scanners.empty()) {
            if (reason && reason->isEmpty())
                *reason = TranslateText("Scanner", "no scanner was found");
            return false;
        }
        wanted = scanners.front().name;
    } else if (!EnsureSane(reason)) {
        return false;
    }
    const auto lock = LockSane();
    SANE_Handle handle = nullptr;
    const SANE_Status status = Sane().sane_open(wanted.toUtf8().constData(), &handle);
    if (status != SANE_STATUS_GOOD || !handle) {
        if (reason)
            *reason = TranslateText("Scanner", "the scanner %1 could not be opened: %2")
                          .arg(wanted, SaneStatusText(status));
        return false;
    }
    m_handle = handle;
    m_name = wanted;
    return true;
}

void CScannerDevice::Close() {
    if (!m_handle)
        return;
    const auto lock = LockSane();
    Sane().sane_close(Handle(m_handle));
    m_handle = nullptr;
}

int CScannerDevice::FindOption(const char* name) const {
    if (!m_handle)
        return -1;
    // Option 0 holds the number of options.
    SANE_Int count = 0;
    if (Sane().sane_control_option(Handle(m_handle), 0, SANE_ACTION_GET_VALUE, &count, nullptr) !=
        SANE_STATUS_GOOD)
        return -1;
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor* d = Sane().sane_get_option_descriptor(Handle(m_handle), i);
        if (d && d->name && std::strcmp(d->name, name) == 0)
            return i;
    }
    return -1;
}

std::vector<QString> CScannerDevice::StringChoices(const char* name) const {
    std::vector<QString> choices;
    const int index = FindOption(name);
    if (index < 0)
        return choices;
    const SANE_Option_Descriptor* d = Sane().sane_get_option_descriptor(Handle(m_handle), index);
    if (!Usable(d) || d->type != SANE_TYPE_STRING ||
        d->constraint_type != SANE_CONSTRAINT_STRING_LIST)
        return choices;
    for (const SANE_String_Const* s = d->constraint.string_list; *s; ++s)
        choices.push_back(QString::fromUtf8(*s));
    return choices;
}

bool CScannerDevice::SetStringOption(const char* name,
                                     const std::function<bool(const QString&)>& matches,
                                     QString* chosen) {
    const int index = FindOption(name);
    if (index < 0)
        return false;
    const SANE_Option_Descriptor* d = Sane().sane_get_option_descriptor(Handle(m_handle), index);
    if (!Usable(d) || d->type != SANE_TYPE_STRING)
        return false;
    for (const QString& choice : StringChoices(name)) {
        if (!matches(choice))
            continue;
        QByteArray value = choice.toUtf8();
        value.resize(std::max<qsizetype>(value.size() + 1, d->size), '\0');
        if (Sane().sane_control_option(Handle(m_handle), index, SANE_ACTION_SET_VALUE, value.data(),
                                       nullptr) != SANE_STATUS_GOOD)
            return false;
        if (chosen)
            *chosen = choice;
        return true;
    }
    return false;
}

bool CScannerDevice::SetNumberOption(const char* name, double value, double* chosen) {
    const int index = FindOption(name);
    if (index < 0)
        return false;
    const SANE_Option_Descriptor* d = Sane().sane_get_option_descriptor(Handle(m_handle), index);
    if (!Usable(d) || (d->type != SANE_TYPE_INT && d->type != SANE_TYPE_FIXED) ||
        d->size != sizeof(SANE_Word))
        return false;
    const bool fixed = d->type == SANE_TYPE_FIXED;
    auto toDouble = [fixed](SANE_Word w) { return fixed ? SANE_UNFIX(w) : double(w); };
    auto toWord = [fixed](double v) { return fixed ? SANE_FIX(v) : SANE_Word(std::lround(v)); };
    SANE_Word word = toWord(value);
    if (d->constraint_type == SANE_CONSTRAINT_RANGE) {
        const SANE_Range* r = d->constraint.range;
        word = std::clamp(word, r->min, r->max);
        if (r->quant > 0)
            word = r->min + SANE_Word(std::lround(double(word - r->min) / r->quant)) * r->quant;
        word = std::min(word, r->max);
    } else if (d->constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        // The first word holds the length of the list.
        const SANE_Word* list = d->constraint.word_list;
        double best = -1;
        for (SANE_Word i = 1; i <= list[0]; ++i) {
            const double distance = std::fabs(toDouble(list[i]) - value);
            if (best < 0 || distance < best) {
                best = distance;
                word = list[i];
            }
        }
    }
    SANE_Int info = 0;
    if (Sane().sane_control_option(Handle(m_handle), index, SANE_ACTION_SET_VALUE, &word, &info) !=
        SANE_STATUS_GOOD)
        return false;
    if (chosen)
        *chosen = toDouble(word);
    return true;
}

bool CScannerDevice::SetAreaOption(const char* name, double mm, bool fromMinimum) {
    const int index = FindOption(name);
    if (index < 0)
        return false;
    const SANE_Option_Descriptor* d = Sane().sane_get_option_descriptor(Handle(m_handle), index);
    if (!Usable(d))
        return false;
    double value = mm;
    if (d->unit == SANE_UNIT_PIXEL)
        value = mm / 25.4 * std::max(1, m_resolution);
    if (fromMinimum && d->constraint_type == SANE_CONSTRAINT_RANGE)
        value = d->type == SANE_TYPE_FIXED ? SANE_UNFIX(d->constraint.range->min)
                                           : double(d->constraint.range->min);
    return SetNumberOption(name, value);
}

std::vector<EScanSource> CScannerDevice::Sources() const {
    std::vector<EScanSource> sources;
    for (const QString& name : StringChoices(SANE_NAME_SCAN_SOURCE)) {
        const EScanSource kind = SourceKind(name);
        if (kind != EScanSource::Default &&
            std::find(sources.begin(), sources.end(), kind) == sources.end())
            sources.push_back(kind);
    }
    return sources;
}

bool CScannerDevice::Configure(const CScanOptions& options, QString* reason) {
    auto fail = [&](const QString& text) {
        if (reason)
            *reason = text;
        return false;
    };
    if (!m_handle)
        return fail(TranslateText("Scanner", "no scanner is open"));
    if (options.source != EScanSource::Default) {
        const bool set = SetStringOption(SANE_NAME_SCAN_SOURCE, [&](const QString& name) {
            return SourceKind(name) == options.source;
        });
        if (!set) {
            QStringList offered;
            for (EScanSource s : Sources())
                offered << ScanSourceName(s);
            return fail(TranslateText("Scanner", "the scanner %1 has no %2 source (it offers: %3)")
                            .arg(m_name, ScanSourceName(options.source),
                                 offered.isEmpty() ? TranslateText("Scanner", "no choice of source")
                                                   : offered.join(QStringLiteral(", "))));
        }
    }
    // A scanner without the mode asked for gives the nearest it has: black and white is
    // then made from grey, grey from colour.
    m_mode = options.mode;
    auto setMode = [&](EScanMode mode) {
        return SetStringOption(SANE_NAME_SCAN_MODE,
                               [&](const QString& name) { return IsMode(name, mode); });
    };
    if (options.mode == EScanMode::Lineart) {
        if (!setMode(EScanMode::Lineart) && setMode(EScanMode::Gray))
            SetNumberOption(SANE_NAME_BIT_DEPTH, 1);
    } else {
        if (!setMode(options.mode) && options.mode == EScanMode::Gray)
            setMode(EScanMode::Color);
        SetNumberOption(SANE_NAME_BIT_DEPTH, 8);
    }
    double resolution = 0;
    if (SetNumberOption(SANE_NAME_SCAN_RESOLUTION, options.resolution, &resolution))
        m_resolution = int(std::lround(resolution));
    else
        m_resolution = options.resolution;
    if (options.widthMm > 0 && options.heightMm > 0) {
        SetAreaOption(SANE_NAME_SCAN_TL_X, 0, true);
        SetAreaOption(SANE_NAME_SCAN_TL_Y, 0, true);
        SetAreaOption(SANE_NAME_SCAN_BR_X, options.widthMm, false);
        SetAreaOption(SANE_NAME_SCAN_BR_Y, options.heightMm, false);
    }
    return true;
}

// sane_start, noting the threads the backend starts for the frame: backends built on SANE's
// thread helper read on a thread of their own.
int CScannerDevice::StartFrame() {
    const std::vector<int> before = ThreadIds();
    const SANE_Status status = Sane().sane_start(Handle(m_handle));
    const std::vector<int> after = ThreadIds();
    m_readers.clear();
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::back_inserter(m_readers));
    return status;
}

// Backends built on SANE's thread helper cancel their reader thread asynchronously in the
// sane_read that takes the frame's last bytes. A cancel that lands while the reader is still
// on its way out (freeing its memory) leaves the allocator's lock taken, and the scan hangs in
// that sane_read for good. Once the rest of the frame fits in the reader's pipe, the reader can
// write it all and end: it is given a moment (at most a quarter second) to do so.
void CScannerDevice::LetReadersEnd() const {
    if (m_readers.empty())
        return;
    for (int waited = 0; waited < 250; ++waited) {
        const std::vector<int> now = ThreadIds();
        const bool running = std::any_of(m_readers.begin(), m_readers.end(), [&](int id) {
            return std::binary_search(now.begin(), now.end(), id);
        });
        if (!running)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

CScannerDevice::EStart CScannerDevice::Start(QString* reason) {
    const SANE_Status status = SANE_Status(StartFrame());
    if (status == SANE_STATUS_GOOD)
        return EStart::Started;
    if (status == SANE_STATUS_NO_DOCS)
        return EStart::NoMoreSheets;
    if (reason)
        *reason = SaneStatusText(status);
    return EStart::Failed;
}

void CScannerDevice::Cancel() {
    if (m_handle)
        Sane().sane_cancel(Handle(m_handle));
}

CScannerDevice::ERead
CScannerDevice::ReadPage(CScannedPicture& picture,
                         const std::function<bool(qint64 done, qint64 total)>& progress,
                         QString* reason) {
    SANE_Handle h = Handle(m_handle);
    auto fail = [&](const QString& text) {
        Sane().sane_cancel(h);
        if (reason)
            *reason = text;
        return ERead::Failed;
    };
    picture = CScannedPicture{};
    picture.resolution = m_resolution;
    std::vector<unsigned char> frame;
    std::vector<unsigned char> buffer(1 << 16);
    bool separateColours = false;
    for (;;) {
        SANE_Parameters p{};
        SANE_Status status = Sane().sane_get_parameters(h, &p);
        if (status != SANE_STATUS_GOOD)
            return fail(SaneStatusText(status));
        const bool gray = p.format == SANE_FRAME_GRAY;
        const bool rgb = p.format == SANE_FRAME_RGB;
        const bool plane = p.format == SANE_FRAME_RED || p.format == SANE_FRAME_GREEN ||
                           p.format == SANE_FRAME_BLUE;
        if ((!gray && !rgb && !plane) || (p.depth != 1 && p.depth != 8 && p.depth != 16) ||
            p.pixels_per_line <= 0 || p.bytes_per_line <= 0)
            return fail(TranslateText("Scanner",
                                      "the scanner sends its pictures in a form this program "
                                      "cannot read"));
        const qint64 total = p.lines > 0 ? qint64(p.bytes_per_line) * p.lines : -1;
        frame.clear();
        if (total > 0)
            frame.reserve(std::size_t(total));
        if (!progress(0, total)) {
            Sane().sane_cancel(h);
            return ERead::Cancelled;
        }
        for (;;) {
            if (total > 0 && total - qint64(frame.size()) <= kPipeBytes)
                LetReadersEnd();
            SANE_Int length = 0;
            status = Sane().sane_read(h, buffer.data(), SANE_Int(buffer.size()), &length);
            if (length > 0)
                frame.insert(frame.end(), buffer.data(), buffer.data() + length);
            if (status == SANE_STATUS_EOF)
                break;
            if (status == SANE_STATUS_CANCELLED) {
                Sane().sane_cancel(h);
                return ERead::Cancelled;
            }
            if (status != SANE_STATUS_GOOD)
                return fail(SaneStatusText(status));
            if (!progress(qint64(frame.size()), total)) {
                Sane().sane_cancel(h);
                return ERead::Cancelled;
            }
        }
        const int width = p.pixels_per_line;
        int lines = int(frame.size() / std::size_t(p.bytes_per_line));
        if (p.lines > 0)
            lines = std::min(lines, p.lines);
        if (lines <= 0)
            return fail(TranslateText("Scanner", "the scanner sent an empty page"));
        // The first frame sets the size; three-pass scanners send red, green and blue apart.
        if (picture.width == 0) {
            picture.width = width;
            picture.height = lines;
            picture.kind = gray ? EScanMode::Gray : EScanMode::Color;
            picture.pixels.assign(
                std::size_t(width) * std::size_t(lines) * std::size_t(picture.BytesPerPixel()), 0);
        } else if (width != picture.width || lines != picture.height) {
            return fail(TranslateText("Scanner", "the scanner sent colour planes of different "
                                                 "sizes"));
        }
        separateColours = separateColours || plane;
        const int channels = rgb ? 3 : 1;
        const int offset = p.format == SANE_FRAME_GREEN ? 1 : (p.format == SANE_FRAME_BLUE ? 2 : 0);
        const int outChannels = picture.BytesPerPixel();
        for (int y = 0; y < lines; ++y) {
            const unsigned char* row =
                frame.data() + std::size_t(y) * std::size_t(p.bytes_per_line);
            unsigned char* out = picture.pixels.data() +
                                 std::size_t(y) * std::size_t(width) * std::size_t(outChannels);
            if (plane) {
                for (int x = 0; x < width; ++x)
                    out[x * 3 + offset] = Sample(row, x, p.depth, false);
            } else {
                for (int i = 0; i < width * channels; ++i)
                    out[i] = Sample(row, i, p.depth, gray);
            }
        }
        if (p.last_frame)
            break;
        status = SANE_Status(StartFrame());
        if (status != SANE_STATUS_GOOD)
            return fail(SaneStatusText(status));
    }
    // Into the kind asked for, where the scanner gave another.
    const std::size_t count = std::size_t(picture.width) * std::size_t(picture.height);
    if (picture.kind == EScanMode::Color && m_mode != EScanMode::Color) {
        std::vector<unsigned char> gray(count);
        for (std::size_t i = 0; i < count; ++i)
            gray[i] = Luma(picture.pixels.data() + 3 * i);
        picture.pixels = std::move(gray);
        picture.kind = EScanMode::Gray;
    }
    if (m_mode == EScanMode::Lineart) {
        for (unsigned char& v : picture.pixels)
            v = v < 128 ? 0 : 255;
        picture.kind = EScanMode::Lineart;
    }
    return ERead::Done;
}
