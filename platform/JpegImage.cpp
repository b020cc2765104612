#include "JpegImage.h"
#include "ComPtr.h"
#include "Error.h"
#include <wincodec.h>

namespace ui {

namespace {

std::wstring Quoted(std::wstring_view what, std::wstring_view name)
{
    return std::wstring(what) + L" « " + std::wstring(name) + L" »";
}

} // namespace

void TJPEGImage::LoadFromResource(HINSTANCE instance, const wchar_t* name)
{
    HRSRC resource = FindResourceW(instance, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    CheckWin32(resource, Quoted(L"Ressource d'image introuvable :", name));
    HGLOBAL loaded = CheckWin32(LoadResource(instance, resource), Quoted(L"Impossible de charger l'image", name));
    const void* bytes = CheckWin32(LockResource(loaded), Quoted(L"Impossible de lire l'image", name));
    const DWORD size = CheckWin32(SizeofResource(instance, resource), Quoted(L"Image vide :", name));
    LoadFromMemory(bytes, size, name);
}

void TJPEGImage::LoadFromMemory(const void* data, std::size_t size, std::wstring_view name)
{
    const std::wstring failure = Quoted(L"Impossible de décoder l'image JPEG", name);
    if (size > MAXDWORD) throw EPlatformError(failure + L" (taille excessive)");

    ComPtr<IWICImagingFactory> factory;
    CheckHResult(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(factory.put())),
                 failure + L" : WIC indisponible");
    ComPtr<IWICStream> stream;
    CheckHResult(factory->CreateStream(stream.put()), failure);
    CheckHResult(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)), static_cast<DWORD>(size)), failure);
    ComPtr<IWICBitmapDecoder> decoder;
    CheckHResult(factory->CreateDecoder(GUID_ContainerFormatJpeg, nullptr, decoder.put()), failure);
    CheckHResult(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand), failure);
    ComPtr<IWICBitmapFrameDecode> frame;
    CheckHResult(decoder->GetFrame(0, frame.put()), failure);
    ComPtr<IWICFormatConverter> converter;
    CheckHResult(factory->CreateFormatConverter(converter.put()), failure);
    CheckHResult(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                       WICBitmapPaletteTypeCustom),
                 failure);
    UINT width = 0, height = 0;
    CheckHResult(converter->GetSize(&width, &height), failure);
    if (width == 0 || height == 0 || width > 16384 || height > 16384)
        throw EPlatformError(failure + L" (dimensions invalides)");

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top-down, as WIC delivers rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    CheckWin32(bitmap.get(), failure + L" : mémoire insuffisante");
    const UINT stride = width * 4;
    CheckHResult(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)), failure);

    bitmap_ = std::move(bitmap);
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
}

void TJPEGImage::Draw(HDC dc, int x, int y) const
{
    if (Empty()) return;
    MemoryDC memory(CheckWin32(CreateCompatibleDC(dc), L"Impossible de dessiner l'image"));
    SelectedObject selected(memory.get(), bitmap_.get());
    CheckWin32(BitBlt(dc, x, y, width_, height_, memory.get(), 0, 0, SRCCOPY), L"Impossible de dessiner l'image");
}

} // namespace ui
