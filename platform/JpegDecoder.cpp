#include "platform/JpegDecoder.h"

#include <string>
#include <vector>

#include "platform/JpegGuard.h"

namespace {

// Everything the guarded steps touch: plain C data only.
struct TDecodeJob {
    jpeg_decompress_struct Info;
    TJpegErrorManager Errors;
    jpeg_progress_mgr Progress;
    const uint8_t* Data;
    size_t Size;
    TJpegLimits Limits;
    TPixels* Target;
    // CMYK rows land here before they become BGR; allocated outside the steps.
    uint8_t* InkRow;
    bool Created;
};

TDecodeJob& Job(void* context) {
    return *static_cast<TDecodeJob*>(context);
}

void CheckScans(j_common_ptr info) {
    auto* job = reinterpret_cast<TDecodeJob*>(info->client_data);
    if (job->Info.input_scan_number > job->Limits.MaxScans)
        FailJpegStep(info, "the picture has too many scans");
}

void CreateStep(void* context) {
    TDecodeJob& job = Job(context);
    jpeg_create_decompress(&job.Info);
    job.Created = true;
    job.Info.client_data = &job;
    job.Info.mem->max_memory_to_use = job.Limits.MaxWorkingMemory;
    job.Progress.progress_monitor = CheckScans;
    job.Info.progress = &job.Progress;
    jpeg_mem_src(&job.Info, job.Data, static_cast<unsigned long>(job.Size));
}

void HeaderStep(void* context) {
    TDecodeJob& job = Job(context);
    jpeg_read_header(&job.Info, TRUE);
    const int64_t w = job.Info.image_width, h = job.Info.image_height;
    if (w > job.Limits.MaxSide || h > job.Limits.MaxSide || w * h > job.Limits.MaxPixels)
        FailJpegStep(reinterpret_cast<j_common_ptr>(&job.Info), "the picture is too large");
    // The library cannot turn CMYK into BGR itself: those pictures come out as
    // CMYK and are converted row by row.
    const bool ink = job.Info.jpeg_color_space == JCS_CMYK || job.Info.jpeg_color_space == JCS_YCCK;
    job.Info.out_color_space = ink ? JCS_CMYK : JCS_EXT_BGR;
}

// Adobe writes CMYK inverted: each value is already 255 - ink.
void InkRowToBgr(const uint8_t* src, int width, uint8_t* dst) {
    for (int x = 0; x < width; ++x, src += 4, dst += 3) {
        const int k = src[3];
        dst[0] = static_cast<uint8_t>(src[2] * k / 255);
        dst[1] = static_cast<uint8_t>(src[1] * k / 255);
        dst[2] = static_cast<uint8_t>(src[0] * k / 255);
    }
}

void PixelsStep(void* context) {
    TDecodeJob& job = Job(context);
    jpeg_start_decompress(&job.Info);
    const int components = job.InkRow ? 4 : 3;
    if (job.Info.output_components != components ||
        static_cast<int>(job.Info.output_width) != job.Target->Width() ||
        static_cast<int>(job.Info.output_height) != job.Target->Height())
        FailJpegStep(reinterpret_cast<j_common_ptr>(&job.Info), "unexpected output format");
    while (job.Info.output_scanline < job.Info.output_height) {
        uint8_t* line = job.Target->ScanLine(static_cast<int>(job.Info.output_scanline));
        JSAMPROW row = job.InkRow ? job.InkRow : line;
        jpeg_read_scanlines(&job.Info, &row, 1);
        if (job.InkRow) InkRowToBgr(job.InkRow, job.Target->Width(), line);
    }
    jpeg_finish_decompress(&job.Info);
}

// Destroys the codec object on every way out of DecodeJpeg.
struct TDestroyOnExit {
    TDecodeJob& Job;
    ~TDestroyOnExit() {
        if (Job.Created) jpeg_destroy_decompress(&Job.Info);
    }
};

[[noreturn]] void Fail(const TDecodeJob& job) {
    throw EInvalidGraphic(std::string("Invalid JPEG picture: ") + job.Errors.Message);
}

} // namespace

TPixels DecodeJpeg(const uint8_t* data, size_t size, const TJpegLimits& limits) {
    TDecodeJob job{};
    job.Data = data;
    job.Size = size;
    job.Limits = limits;
    TDestroyOnExit destroy{job};
    if (size == 0) throw EInvalidGraphic("Invalid JPEG picture: the file is empty");
    InstallJpegErrors(reinterpret_cast<j_common_ptr>(&job.Info), job.Errors);
    if (!RunJpegStep(job.Errors, CreateStep, &job) || !RunJpegStep(job.Errors, HeaderStep, &job))
        Fail(job);
    TPixels pixels(static_cast<int>(job.Info.image_width), static_cast<int>(job.Info.image_height));
    job.Target = &pixels;
    std::vector<uint8_t> inkRow;
    if (job.Info.out_color_space == JCS_CMYK) {
        inkRow.resize(static_cast<size_t>(pixels.Width()) * 4);
        job.InkRow = inkRow.data();
    }
    if (!RunJpegStep(job.Errors, PixelsStep, &job)) Fail(job);
    return pixels;
}
