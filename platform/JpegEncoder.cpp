#include "platform/JpegEncoder.h"

#include <cstdlib>
#include <string>

#include "platform/BmpDecoder.h"
#include "platform/JpegGuard.h"

namespace {

struct TEncodeJob {
    jpeg_compress_struct Info;
    TJpegErrorManager Errors;
    const TPixels* Source;
    TJpegEncodeOptions Options;
    unsigned char* Out; // malloc'ed by the library's memory destination
    unsigned long OutSize;
    bool Created;
};

void CompressStep(void* context) {
    TEncodeJob& job = *static_cast<TEncodeJob*>(context);
    jpeg_create_compress(&job.Info);
    job.Created = true;
    jpeg_mem_dest(&job.Info, &job.Out, &job.OutSize);
    job.Info.image_width = static_cast<JDIMENSION>(job.Source->Width());
    job.Info.image_height = static_cast<JDIMENSION>(job.Source->Height());
    job.Info.input_components = 3;
    job.Info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&job.Info);
    jpeg_set_quality(&job.Info, job.Options.Quality, TRUE);
    if (job.Options.Progressive) jpeg_simple_progression(&job.Info);
    jpeg_start_compress(&job.Info, TRUE);
    while (job.Info.next_scanline < job.Info.image_height) {
        // The library only reads the row; its row type is not const.
        JSAMPROW row =
            const_cast<uint8_t*>(job.Source->ScanLine(static_cast<int>(job.Info.next_scanline)));
        jpeg_write_scanlines(&job.Info, &row, 1);
    }
    jpeg_finish_compress(&job.Info);
}

struct TReleaseOnExit {
    TEncodeJob& Job;
    ~TReleaseOnExit() {
        if (Job.Created) jpeg_destroy_compress(&Job.Info);
        std::free(Job.Out);
    }
};

} // namespace

std::vector<uint8_t> EncodeJpeg(const TPixels& pixels, const TJpegEncodeOptions& options) {
    if (pixels.Width() <= 0 || pixels.Height() <= 0)
        throw EInvalidGraphic("Cannot write an empty picture as JPEG");
    TEncodeJob job{};
    job.Source = &pixels;
    job.Options = options;
    TReleaseOnExit release{job};
    InstallJpegErrors(reinterpret_cast<j_common_ptr>(&job.Info), job.Errors);
    if (!RunJpegStep(job.Errors, CompressStep, &job))
        throw EInvalidGraphic(std::string("Cannot write JPEG: ") + job.Errors.Message);
    return std::vector<uint8_t>(job.Out, job.Out + job.OutSize);
}
