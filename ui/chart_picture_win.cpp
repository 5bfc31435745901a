#include "ui/chart_picture_win.h"

#include "files/safe_write.h"
#include "ui/canvas_painter_win.h"
#include "ui/clipboard_win.h"
#include "ui/file_dialogs_win.h"
#include "ui/gdi_objects_win.h"
#include "ui/message_box_win.h"
#include "ui/text_win.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstring>

namespace {

std::string PackedDib(const ChartPicture& picture) {
    std::string packed(sizeof picture.header + picture.rows.size(), '\0');
    std::memcpy(packed.data(), &picture.header, sizeof picture.header);
    std::memcpy(packed.data() + sizeof picture.header, picture.rows.data(), picture.rows.size());
    return packed;
}

// Releases a COM interface when the scope ends.
template <typename Interface> class ComPointer {
  public:
    ComPointer() = default;
    ~ComPointer() {
        if (pointer_ != nullptr)
            pointer_->Release();
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;

    Interface* operator->() const { return pointer_; }
    Interface* get() const { return pointer_; }
    Interface** put() { return &pointer_; }

  private:
    Interface* pointer_ = nullptr;
};

// COM for this thread while the scope lasts, unless the thread had it already.
class ComScope {
  public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

    // A thread already in another apartment still has COM.
    bool ready() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

  private:
    HRESULT result_;
};

// Encodes the rows, top first as PNG holds them, into stream.
bool EncodePng(IWICImagingFactory& factory, IStream& stream, const ChartPicture& picture) {
    ComPointer<IWICBitmapEncoder> encoder;
    ComPointer<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(factory.CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put())) ||
        FAILED(encoder->Initialize(&stream, WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(frame.put(), nullptr)) ||
        FAILED(frame->Initialize(nullptr)) ||
        FAILED(frame->SetSize(static_cast<UINT>(picture.width()),
                              static_cast<UINT>(picture.height()))) ||
        FAILED(frame->SetPixelFormat(&format)) || !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR))
        return false;
    const std::size_t stride = picture.stride();
    for (int row = picture.height() - 1; row >= 0; --row) {
        auto* line =
            const_cast<BYTE*>(picture.rows.data() + stride * static_cast<std::size_t>(row));
        if (FAILED(
                frame->WritePixels(1, static_cast<UINT>(stride), static_cast<UINT>(stride), line)))
            return false;
    }
    return SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

} // namespace

std::optional<std::string> PngFileBytes(const ChartPicture& picture) {
    const ComScope com;
    ComPointer<IWICImagingFactory> factory;
    ComPointer<IStream> stream;
    if (!com.ready() ||
        FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(factory.put()))) ||
        FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.put())) ||
        !EncodePng(*factory.get(), *stream.get(), picture))
        return std::nullopt;
    HGLOBAL memory = nullptr;
    if (FAILED(GetHGlobalFromStream(stream.get(), &memory)))
        return std::nullopt;
    STATSTG stat{};
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME)))
        return std::nullopt;
    const auto* bytes = static_cast<const char*>(GlobalLock(memory));
    if (bytes == nullptr)
        return std::nullopt;
    std::string png(bytes, static_cast<std::size_t>(stat.cbSize.QuadPart));
    GlobalUnlock(memory);
    return png;
}

std::optional<ChartPicture> DrawChartPicture(const CanvasWindow& pane) {
    RECT client{};
    if (!GetClientRect(pane.canvasWindow, &client) || client.right <= 0 || client.bottom <= 0)
        return std::nullopt;
    ChartPicture picture;
    picture.header.biSize = sizeof picture.header;
    picture.header.biWidth = client.right;
    picture.header.biHeight = client.bottom; // positive: bottom-up, what every reader takes
    picture.header.biPlanes = 1;
    picture.header.biBitCount = 24;
    picture.header.biCompression = BI_RGB;
    BITMAPINFO info{};
    info.bmiHeader = picture.header;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    const ScopedMemoryDc memory(screen);
    ReleaseDC(nullptr, screen);
    ScopedBitmap bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (memory.get() == nullptr || bitmap.get() == nullptr || bits == nullptr)
        return std::nullopt;
    {
        const ScopedSelect selected(memory.get(), bitmap.get());
        DrawList list = ChartDrawList(pane);
        list.cursor.reset();
        PaintDrawList(memory.get(), list);
        GdiFlush();
    }
    const auto* first = static_cast<const std::uint8_t*>(bits);
    picture.rows.assign(first, first + picture.stride() * static_cast<std::size_t>(client.bottom));
    picture.header.biSizeImage = static_cast<DWORD>(picture.rows.size());
    return picture;
}

void CmdCopyChart(HWND owner, Language language, const CanvasWindow& pane) {
    const std::optional<ChartPicture> picture = DrawChartPicture(pane);
    if (!picture || !PutOnClipboard(owner, CF_DIB, PackedDib(*picture)))
        ShowError(owner, language, text(TextId::PictureNotCopied, language));
}

void CmdSaveChartPicture(HWND owner, Language language, const CanvasWindow& pane) {
    const std::optional<std::filesystem::path> path = AskFileToSave(
        owner, FileFilter(text(TextId::FilterPngFiles, language), L"*.png"), L"png", L"chart.png");
    if (!path)
        return;
    const std::optional<ChartPicture> picture = DrawChartPicture(pane);
    const std::optional<std::string> png = picture ? PngFileBytes(*picture) : std::nullopt;
    if (!png || writeFileSafely(*path, *png) != WriteResult::Written) {
        ShowError(owner, language,
                  formatText(TextId::PictureNotWritten, language, {Narrow(path->wstring())}));
        return;
    }
    ShowMessage(owner, text(TextId::PictureWritten, language), text(TextId::TitleWritten, language),
                MB_OK);
}
