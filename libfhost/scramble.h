/*
 * scramble.h - the password text scrambler.
 *
 * Passwords travel in discovery commands and sit in stored profiles in a scrambled text form:
 * the bytes, in blocks of 8, are multiplied by a fixed 8x8 matrix and every resulting number is
 * written as two characters of a 64-character alphabet (12 bits, low 6 bits first).
 * Unscrambling multiplies by the inverse matrix. Both matrices are integer matrices, so the round
 * trip is exact.
 *
 * Plain C with C linkage, no log context: the functions only transform buffers.
 */
#ifndef FHOST_SCRAMBLE_H
#define FHOST_SCRAMBLE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A matrix of doubles: one allocation holding the shape and the values in row order. */
typedef struct _DMatrix {
    uint32_t rows;
    uint32_t columns;
    double values[]; /* rows * columns, row order */
} DMatrix;

/* A new zeroed rows x columns matrix; null unless both are at least 1, or when allocation fails. */
DMatrix *matrixCreate(int rows, int columns);
/* Releases a matrix; null is allowed. */
void matrixFree(DMatrix *matrix);
/*
 * R = P x M. Returns -1 when an argument is null, -2 when P's columns differ from M's rows or R
 * is not P's rows x M's columns, else 0.
 */
int matrixMultiply(const DMatrix *p, const DMatrix *m, DMatrix *r);

/*
 * The key: the encoding matrix and the decoding matrix that inverts it, 8 x 8 in row order.
 * Every column of the encoding matrix has positive entries summing to at most 8 and negative
 * entries summing to at least -8, so a block of bytes 0..255 maps into -2040..2040 and fits the
 * 12 bits written per number.
 */
#define SCRAMBLE_BLOCK 8
extern const double scrambleEncodingKey[SCRAMBLE_BLOCK * SCRAMBLE_BLOCK];
extern const double scrambleDecodingKey[SCRAMBLE_BLOCK * SCRAMBLE_BLOCK];
/* The 64 characters of the scrambled form; position p stands for the 6-bit value p. */
extern const char scrambleAlphabet[65];

/* Texts of this many bytes or more cannot be scrambled. */
#define SCRAMBLE_MAX_TEXT 32761

/*
 * Scrambles the NUL-terminated `text` into `out`, which must hold 2 * (n rounded up to 8) + 1
 * bytes for a text of n bytes. Returns the length written (NUL-terminated), 0 for an empty text,
 * -1 for a null argument, a text of SCRAMBLE_MAX_TEXT bytes or more, or a failed allocation.
 */
int scrambleEncode(const char *text, char *out);

/*
 * Unscrambles the NUL-terminated `scrambled` text into `out`, which must hold L / 2 + 1 bytes for
 * L input characters. Returns the length of the plain text now in `out` (it ends at the first
 * zero byte), 0 for an empty input, -1 for a null argument, a length that is not a multiple of
 * 16 characters, a character outside the alphabet, or a failed allocation.
 */
int scrambleDecode(const char *scrambled, char *out);

#ifdef __cplusplus
}
#endif

#endif /* FHOST_SCRAMBLE_H */
