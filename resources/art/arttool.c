/* Turns the rendered PNGs into the files the program embeds.
 *   arttool jpeg IN.png OUT.jpg QUALITY   baseline JFIF through libgd
 *   arttool ico OUT.ico IN.png...         32-bit BMP images with alpha, no PNG
 * Built and run by render.sh on the developer's machine, never by the program. */
#include <gd.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static void die(const char *what, const char *name)
{
    fprintf(stderr, "arttool: %s: %s\n", what, name);
    exit(1);
}

static gdImagePtr load_png(const char *path)
{
    FILE *in = fopen(path, "rb");
    if (!in) die("cannot open", path);
    gdImagePtr im = gdImageCreateFromPng(in);
    fclose(in);
    if (!im) die("not a PNG", path);
    if (!gdImageTrueColor(im)) gdImagePaletteToTrueColor(im);
    return im;
}

static int write_jpeg(const char *in_path, const char *out_path, int quality)
{
    gdImagePtr im = load_png(in_path);
    FILE *out = fopen(out_path, "wb");
    if (!out) die("cannot create", out_path);
    gdImageJpeg(im, out, quality);
    if (fclose(out) != 0) die("cannot write", out_path);
    gdImageDestroy(im);
    return 0;
}

static void put16(FILE *f, unsigned v) { fputc(v & 0xff, f); fputc(v >> 8 & 0xff, f); }
static void put32(FILE *f, uint32_t v) { put16(f, v & 0xffff); put16(f, v >> 16); }

/* Bytes of one icon image: BITMAPINFOHEADER, BGRA rows, 1-bit AND mask rows padded to 32 bits. */
static uint32_t mask_stride(int w) { return (uint32_t)((w + 31) / 32 * 4); }
static uint32_t image_bytes(int w, int h) { return 40 + (uint32_t)(w * h * 4) + mask_stride(w) * (uint32_t)h; }

static void write_image(FILE *f, gdImagePtr im)
{
    int w = gdImageSX(im), h = gdImageSY(im);
    put32(f, 40); put32(f, (uint32_t)w); put32(f, (uint32_t)(2 * h));
    put16(f, 1); put16(f, 32);
    put32(f, 0); put32(f, image_bytes(w, h) - 40);
    put32(f, 0); put32(f, 0); put32(f, 0); put32(f, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            int c = gdImageGetTrueColorPixel(im, x, y);
            int alpha = 255 - gdTrueColorGetAlpha(c) * 255 / gdAlphaMax;
            fputc(gdTrueColorGetBlue(c), f); fputc(gdTrueColorGetGreen(c), f);
            fputc(gdTrueColorGetRed(c), f); fputc(alpha, f);
        }
    for (uint32_t i = 0; i < mask_stride(w) * (uint32_t)h; ++i) fputc(0, f);
}

static int write_ico(const char *out_path, int count, char **in_paths)
{
    gdImagePtr *ims = calloc((size_t)count, sizeof *ims);
    for (int i = 0; i < count; ++i) ims[i] = load_png(in_paths[i]);
    FILE *f = fopen(out_path, "wb");
    if (!f) die("cannot create", out_path);
    put16(f, 0); put16(f, 1); put16(f, (unsigned)count);
    uint32_t offset = 6 + 16 * (uint32_t)count;
    for (int i = 0; i < count; ++i) {
        int w = gdImageSX(ims[i]), h = gdImageSY(ims[i]);
        if (w > 256 || h > 256) die("icon image larger than 256", in_paths[i]);
        fputc(w & 0xff, f); fputc(h & 0xff, f); fputc(0, f); fputc(0, f);
        put16(f, 1); put16(f, 32);
        put32(f, image_bytes(w, h)); put32(f, offset);
        offset += image_bytes(w, h);
    }
    for (int i = 0; i < count; ++i) { write_image(f, ims[i]); gdImageDestroy(ims[i]); }
    if (fclose(f) != 0) die("cannot write", out_path);
    free(ims);
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 5 && strcmp(argv[1], "jpeg") == 0) return write_jpeg(argv[2], argv[3], atoi(argv[4]));
    if (argc >= 4 && strcmp(argv[1], "ico") == 0) return write_ico(argv[2], argc - 3, argv + 3);
    fprintf(stderr, "usage: arttool jpeg IN.png OUT.jpg QUALITY | arttool ico OUT.ico IN.png...\n");
    return 2;
}
