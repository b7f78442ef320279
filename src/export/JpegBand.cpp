#include "JpegBand.h"

#include "JpegSplice.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>

#include <malloc.h>

extern "C" {
#include <jpeglib.h>
}

// libjpeg reports a fatal error by calling error_exit, which must not return. Ours jumps back
// into the one plain function that armed it; those functions hold no C++ object, so the jump
// skips no destructor, and every libjpeg struct lives in a heap block that is freed afterwards.

namespace {

// A picture has three components; more scans than a few per component is not a camera's.
constexpr int kMaxScans = 12;

struct Trap {
    jpeg_error_mgr manager;
    jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    longjmp(reinterpret_cast<Trap *>(info->err)->jump, 1);
}

// Warnings about damaged data go nowhere: the picture is joined as the decoder would show it.
void quiet(j_common_ptr, int) {}

void limitScans(j_common_ptr info)
{
    if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans)
        jumpBack(info);
}

void arm(Trap &trap, jpeg_progress_mgr *progress)
{
    jpeg_std_error(&trap.manager);
    trap.manager.error_exit = jumpBack;
    trap.manager.emit_message = quiet;
    if (progress)
        progress->progress_monitor = limitScans;
}

int roundUp(int value, int step)
{
    return (value + step - 1) / step * step;
}

// One join's libjpeg state: plain data, zeroed before use, so destroying it is always safe.
struct Work {
    Trap trap;
    Trap targetTrap;
    jpeg_progress_mgr progress;
    jpeg_decompress_struct source;
    jpeg_compress_struct target;
    jvirt_barray_ptr *sourceBlocks;
    jvirt_barray_ptr joined[MAX_COMPONENTS];
    unsigned char *out;
    unsigned long outSize;
};

// Compressing the band and reading its blocks back.
struct BandWork {
    Trap trap;
    Trap readTrap;
    jpeg_compress_struct compress;
    jpeg_decompress_struct read;
    unsigned char *out;
    unsigned long outSize;
};

struct WorkFree {
    void operator()(Work *w) const
    {
        jpeg_destroy_compress(&w->target);
        jpeg_destroy_decompress(&w->source);
        free(w->out);
        delete w;
    }
    void operator()(BandWork *w) const
    {
        jpeg_destroy_compress(&w->compress);
        jpeg_destroy_decompress(&w->read);
        free(w->out);
        delete w;
    }
};

// Whether the picture is one whose blocks the band can follow: 8-bit YCbCr of the movie's
// picture size, its height and the band's on whole MCU rows. A progressive picture's blocks
// are read whole and written again in one sequential scan.
bool joinable(const jpeg_decompress_struct &s, int width, int height, int bandHeight)
{
    const int mcu = s.max_v_samp_factor * DCTSIZE;
    return !s.arith_code && s.data_precision == 8 && s.num_components == 3
        && s.jpeg_color_space == JCS_YCbCr && int(s.image_width) == width
        && int(s.image_height) == height && s.image_height % mcu == 0 && bandHeight % mcu == 0
        && bandHeight > 0;
}

int bandRows(const jpeg_decompress_struct &s, int c, int bandHeight)
{
    return bandHeight / DCTSIZE * s.comp_info[c].v_samp_factor / s.max_v_samp_factor;
}

// Reads the picture's blocks; the joined picture's arrays are set aside in the same pool.
bool readSource(Work *w, const unsigned char *bytes, unsigned long size, int width,
                int height, int bandHeight)
{
    arm(w->trap, &w->progress);
    if (setjmp(w->trap.jump))
        return false;
    w->source.err = &w->trap.manager;
    jpeg_create_decompress(&w->source);
    w->source.progress = &w->progress;
    jpeg_mem_src(&w->source, bytes, size);
    jpeg_save_markers(&w->source, JPEG_COM, 0xFFFF);
    if (jpeg_read_header(&w->source, TRUE) != JPEG_HEADER_OK
        || !joinable(w->source, width, height, bandHeight))
        return false;
    for (int c = 0; c < w->source.num_components; ++c) {
        const jpeg_component_info &comp = w->source.comp_info[c];
        const int rows = int(comp.height_in_blocks) + bandRows(w->source, c, bandHeight);
        w->joined[c] = (*w->source.mem->request_virt_barray)(
            reinterpret_cast<j_common_ptr>(&w->source), JPOOL_IMAGE, FALSE,
            JDIMENSION(roundUp(int(comp.width_in_blocks), comp.h_samp_factor)),
            JDIMENSION(roundUp(rows, comp.v_samp_factor)), JDIMENSION(comp.v_samp_factor));
    }
    w->sourceBlocks = jpeg_read_coefficients(&w->source);
    return w->sourceBlocks != nullptr;
}

// Huffman coding with the source's tables, so that the band's data can follow the picture's.
void useHuffmanTables(j_decompress_ptr source, j_compress_ptr target)
{
    for (int i = 0; i < NUM_HUFF_TBLS; ++i) {
        JHUFF_TBL *const from[] = {source->dc_huff_tbl_ptrs[i], source->ac_huff_tbl_ptrs[i]};
        JHUFF_TBL **to[] = {&target->dc_huff_tbl_ptrs[i], &target->ac_huff_tbl_ptrs[i]};
        for (int k = 0; k < 2; ++k) {
            if (!from[k])
                continue;
            if (!*to[k])
                *to[k] = jpeg_alloc_huff_table(reinterpret_cast<j_common_ptr>(target));
            memcpy((*to[k])->bits, from[k]->bits, sizeof from[k]->bits);
            memcpy((*to[k])->huffval, from[k]->huffval, sizeof from[k]->huffval);
        }
    }
    for (int c = 0; c < source->num_components; ++c) {
        target->comp_info[c].dc_tbl_no = source->comp_info[c].dc_tbl_no;
        target->comp_info[c].ac_tbl_no = source->comp_info[c].ac_tbl_no;
    }
    target->optimize_coding = FALSE;
}

// The band compressed with the picture's sampling and quantization tables, and with its
// Huffman tables when the band's data is to follow the picture's.
bool compressBand(BandWork *w, j_decompress_ptr source, JSAMPARRAY rows, int height,
                  bool pictureHuffman = false)
{
    arm(w->trap, nullptr);
    if (setjmp(w->trap.jump))
        return false;
    w->compress.err = &w->trap.manager;
    jpeg_create_compress(&w->compress);
    jpeg_mem_dest(&w->compress, &w->out, &w->outSize);
    jpeg_copy_critical_parameters(source, &w->compress);
    w->compress.image_height = JDIMENSION(height);
    // QImage's RGB32 rows: blue, green, red and a filler byte on a little-endian machine.
    w->compress.in_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    w->compress.input_components = 4;
    if (pictureHuffman)
        useHuffmanTables(source, &w->compress);
    jpeg_start_compress(&w->compress, TRUE);
    while (w->compress.next_scanline < w->compress.image_height)
        jpeg_write_scanlines(&w->compress, rows + w->compress.next_scanline,
                             w->compress.image_height - w->compress.next_scanline);
    jpeg_finish_compress(&w->compress);
    return true;
}

// Copies the compressed band's blocks into rows[c], which hold expected[c] rows of width[c] blocks.
bool readBand(BandWork *w, int components, short *const *rows, const int *expected, const int *width)
{
    arm(w->readTrap, nullptr);
    if (setjmp(w->readTrap.jump))
        return false;
    w->read.err = &w->readTrap.manager;
    jpeg_create_decompress(&w->read);
    jpeg_mem_src(&w->read, w->out, w->outSize);
    jpeg_read_header(&w->read, TRUE);
    jvirt_barray_ptr *blocks = jpeg_read_coefficients(&w->read);
    if (w->read.num_components != components)
        return false;
    for (int c = 0; c < components; ++c) {
        const jpeg_component_info &comp = w->read.comp_info[c];
        if (int(comp.height_in_blocks) != expected[c] || int(comp.width_in_blocks) != width[c])
            return false;
        for (int r = 0; r < expected[c]; ++r) {
            JBLOCKARRAY row = (*w->read.mem->access_virt_barray)(
                reinterpret_cast<j_common_ptr>(&w->read), blocks[c], JDIMENSION(r), 1, FALSE);
            memcpy(rows[c] + size_t(r) * size_t(width[c]) * DCTSIZE2, row[0],
                   size_t(width[c]) * sizeof(JBLOCK));
        }
    }
    return true;
}

// Writes the picture's blocks, then the band's, as one picture taller by the band.
bool writeJoined(Work *w, const short *const *band, int bandHeight)
{
    arm(w->targetTrap, nullptr);
    if (setjmp(w->targetTrap.jump))
        return false;
    j_common_ptr pool = reinterpret_cast<j_common_ptr>(&w->source);
    w->target.err = &w->targetTrap.manager;
    jpeg_create_compress(&w->target);
    jpeg_mem_dest(&w->target, &w->out, &w->outSize);
    jpeg_copy_critical_parameters(&w->source, &w->target);
    w->target.image_height += JDIMENSION(bandHeight);
    jpeg_write_coefficients(&w->target, w->joined);
    // The camera's comment (its telemetry) stays with the picture.
    for (jpeg_saved_marker_ptr m = w->source.marker_list; m; m = m->next)
        jpeg_write_marker(&w->target, m->marker, m->data, m->data_length);
    for (int c = 0; c < w->source.num_components; ++c) {
        const jpeg_component_info &comp = w->source.comp_info[c];
        const int pictureRows = int(comp.height_in_blocks);
        const int rows = pictureRows + bandRows(w->source, c, bandHeight);
        const size_t width = comp.width_in_blocks;
        for (int r = 0; r < rows; ++r) {
            JBLOCKARRAY out = (*w->source.mem->access_virt_barray)(pool, w->joined[c], JDIMENSION(r), 1, TRUE);
            if (r < pictureRows) {
                JBLOCKARRAY in = (*w->source.mem->access_virt_barray)(pool, w->sourceBlocks[c], JDIMENSION(r), 1, FALSE);
                memcpy(out[0], in[0], width * sizeof(JBLOCK));
            } else {
                memcpy(out[0], band[c] + size_t(r - pictureRows) * width * DCTSIZE2, width * sizeof(JBLOCK));
            }
        }
    }
    jpeg_finish_compress(&w->target);
    return true;
}

struct Header {
    Trap trap;
    jpeg_decompress_struct info;
};

bool readHeader(Header *h, const unsigned char *bytes, unsigned long size)
{
    arm(h->trap, nullptr);
    if (setjmp(h->trap.jump))
        return false;
    h->info.err = &h->trap.manager;
    jpeg_create_decompress(&h->info);
    jpeg_mem_src(&h->info, bytes, size);
    return jpeg_read_header(&h->info, TRUE) == JPEG_HEADER_OK;
}

// What a compressed band depends on besides its picture: width, sampling and quantization.
std::vector<unsigned char> signatureOf(const jpeg_decompress_struct &s)
{
    std::vector<unsigned char> bytes;
    auto add = [&bytes](const void *data, size_t size) {
        const auto *p = static_cast<const unsigned char *>(data);
        bytes.insert(bytes.end(), p, p + size);
    };
    add(&s.image_width, sizeof s.image_width);
    for (int c = 0; c < s.num_components; ++c) {
        const jpeg_component_info &comp = s.comp_info[c];
        add(&comp.h_samp_factor, sizeof comp.h_samp_factor);
        add(&comp.v_samp_factor, sizeof comp.v_samp_factor);
        const JQUANT_TBL *table = s.quant_tbl_ptrs[comp.quant_tbl_no];
        if (table)
            add(table->quantval, sizeof table->quantval);
    }
    return bytes;
}

} // namespace

JpegBand::JpegBand()
{
    // libjpeg allocates and frees a few megabytes for every picture. By default the C library
    // hands them back to the system each time and faults them in again for the next, which
    // costs five times the join itself; kept, they are reused.
    static std::once_flag kept;
    std::call_once(kept, [] {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    });
}

int JpegBand::mcuHeight(const QByteArray &jpeg)
{
    std::unique_ptr<Header> h(new Header());
    const bool ok = readHeader(h.get(), reinterpret_cast<const unsigned char *>(jpeg.constData()),
                               (unsigned long)(jpeg.size()));
    const int rows = ok ? h->info.max_v_samp_factor * DCTSIZE : 0;
    jpeg_destroy_decompress(&h->info);
    return rows;
}

int JpegBand::bandHeight(int wanted, int mcuRows)
{
    return mcuRows > 0 ? roundUp(wanted, mcuRows) : 0;
}

static std::vector<JSAMPROW> rowsOf(const QImage &image)
{
    std::vector<JSAMPROW> rows(static_cast<size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[size_t(y)] = const_cast<JSAMPROW>(image.constScanLine(y));
    return rows;
}

QByteArray JpegBand::splice(const QByteArray &jpeg, const QImage &band, const QString &key, QSize picture)
{
    JpegSplice::Parts parts;
    if (!JpegSplice::parse(jpeg, &parts) || QSize(parts.width, parts.height) != picture
        || parts.width != band.width() || band.height() % parts.mcuHeight != 0)
        return {};
    if (key != _spliced.key || parts.tables != _spliced.tables) {
        _spliced = Spliced{key, parts.tables, {}};
        std::unique_ptr<Header> h(new Header());
        std::unique_ptr<BandWork, WorkFree> b(new BandWork());
        std::vector<JSAMPROW> rows = rowsOf(band);
        const bool ok = readHeader(h.get(), reinterpret_cast<const unsigned char *>(jpeg.constData()),
                                   (unsigned long)(jpeg.size()))
            && compressBand(b.get(), &h->info, rows.data(), band.height(), true);
        jpeg_destroy_decompress(&h->info);
        JpegSplice::Parts coded;
        // A band the picture's Huffman tables cannot code stays empty: the coefficient join takes over.
        if (ok && JpegSplice::parse(QByteArrayView(b->out, qsizetype(b->outSize)), &coded))
            _spliced.data = QByteArray(reinterpret_cast<const char *>(b->out) + coded.data, coded.end - coded.data);
    }
    if (_spliced.data.isEmpty())
        return {};
    return JpegSplice::join(jpeg, parts, _spliced.data, band.height());
}

QByteArray JpegBand::join(const QByteArray &jpeg, const QImage &band, const QString &key, QSize picture)
{
    if (band.format() != QImage::Format_RGB32)
        return {};
    if (QByteArray spliced = splice(jpeg, band, key, picture); !spliced.isEmpty())
        return spliced;
    std::unique_ptr<Work, WorkFree> w(new Work());
    const int bandHeight = band.height();
    if (!readSource(w.get(), reinterpret_cast<const unsigned char *>(jpeg.constData()),
                    (unsigned long)(jpeg.size()), picture.width(), picture.height(), bandHeight)
        || band.width() != int(w->source.image_width) || band.format() != QImage::Format_RGB32)
        return {};
    std::vector<unsigned char> signature = signatureOf(w->source);
    if (key != _band.key || signature != _band.signature || _band.coefficients.empty()) {
        _band = Blocks();
        std::unique_ptr<BandWork, WorkFree> b(new BandWork());
        std::vector<JSAMPROW> rows = rowsOf(band);
        Blocks made{key, std::move(signature), {}, {}};
        std::vector<int> expected;
        std::vector<short *> data;
        for (int c = 0; c < w->source.num_components; ++c) {
            expected.push_back(bandRows(w->source, c, bandHeight));
            made.rowBlocks.push_back(int(w->source.comp_info[c].width_in_blocks));
            made.coefficients.emplace_back(size_t(expected.back()) * size_t(made.rowBlocks.back()) * DCTSIZE2);
        }
        for (auto &plane : made.coefficients)
            data.push_back(plane.data());
        if (!compressBand(b.get(), &w->source, rows.data(), bandHeight)
            || !readBand(b.get(), int(data.size()), data.data(), expected.data(), made.rowBlocks.data()))
            return {};
        _band = std::move(made);
    }
    std::vector<const short *> band3;
    for (const auto &plane : _band.coefficients)
        band3.push_back(plane.data());
    if (!writeJoined(w.get(), band3.data(), bandHeight))
        return {};
    return QByteArray(reinterpret_cast<const char *>(w->out), qsizetype(w->outSize));
}
