/* Writes a one-colour RGB picture of any size as a PNG, row by row, for the
 * tests that need pictures too large for ImageMagick's resource limits.
 *
 * usage: make_png WIDTH HEIGHT RED GREEN BLUE FILE */
#include <zlib.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static FILE* out;

static void put32(unsigned char* p, uint32_t v)
{
    p[0] = v >> 24;
    p[1] = v >> 16;
    p[2] = v >> 8;
    p[3] = v;
}

static void chunk(const char* type, const unsigned char* data, uint32_t length)
{
    unsigned char head[8];
    put32(head, length);
    memcpy(head + 4, type, 4);
    uLong crc = crc32(0, head + 4, 4);
    crc = crc32(crc, data, length);
    unsigned char tail[4];
    put32(tail, (uint32_t)crc);
    fwrite(head, 1, 8, out);
    fwrite(data, 1, length, out);
    fwrite(tail, 1, 4, out);
}

int main(int argc, char** argv)
{
    if (argc != 7) {
        fprintf(stderr, "usage: %s WIDTH HEIGHT RED GREEN BLUE FILE\n", argv[0]);
        return 2;
    }
    const uint32_t width = strtoul(argv[1], NULL, 10), height = strtoul(argv[2], NULL, 10);
    const unsigned char rgb[3] = {atoi(argv[3]), atoi(argv[4]), atoi(argv[5])};
    out = fopen(argv[6], "wb");
    if (!out || width == 0 || height == 0) {
        perror(argv[6]);
        return 1;
    }
    fwrite("\x89PNG\r\n\x1a\n", 1, 8, out);
    unsigned char header[13];
    put32(header, width);
    put32(header + 4, height);
    header[8] = 8;  /* bits per channel */
    header[9] = 2;  /* RGB */
    header[10] = header[11] = header[12] = 0;
    chunk("IHDR", header, sizeof header);

    /* Every row is the same: filter byte 0, then the colour. */
    const size_t rowSize = 1 + 3 * (size_t)width;
    unsigned char* row = malloc(rowSize);
    unsigned char* packed = malloc(1 << 16);
    if (!row || !packed)
        return 1;
    row[0] = 0;
    for (uint32_t x = 0; x < width; ++x)
        memcpy(row + 1 + 3 * x, rgb, 3);
    z_stream z;
    memset(&z, 0, sizeof z);
    deflateInit(&z, 9);
    for (uint32_t y = 0; y <= height; ++y) {
        const int last = y == height;
        z.next_in = last ? NULL : row;
        z.avail_in = last ? 0 : (uInt)rowSize;
        do {
            z.next_out = packed;
            z.avail_out = 1 << 16;
            deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
            const uint32_t produced = (1 << 16) - z.avail_out;
            if (produced)
                chunk("IDAT", packed, produced);
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    chunk("IEND", NULL, 0);
    free(row);
    free(packed);
    return fclose(out) == 0 ? 0 : 1;
}
