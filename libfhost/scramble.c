/*
 * scramble.c - the password text scrambler: a fixed 8x8 linear transform written in a
 * 64-character alphabet.
 */
#include "scramble.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

/* Integer matrix with determinant 1; its inverse below is an integer matrix too. */
const double scrambleEncodingKey[SCRAMBLE_BLOCK * SCRAMBLE_BLOCK] = {
     1, -1, -1,  2,  0,  2,  1, -1,
     4, -4, -2,  0,  1,  1, -1, -3,
     1, -1,  0, -1,  2,  2, -1, -1,
    -1,  2,  1, -1, -1, -2, -1,  0,
    -1,  1,  0,  2, -3, -1,  2,  1,
    -3,  3,  2, -1, -1, -2,  0,  2,
    -2,  2,  2, -3, -1, -3, -1,  1,
     1, -1,  0, -1,  1,  1, -1, -1,
};

const double scrambleDecodingKey[SCRAMBLE_BLOCK * SCRAMBLE_BLOCK] = {
    -3,  2,  7,  1,  3,  1, -1, -6,
    -1,  0,  3,  1,  1, -1,  0, -3,
    -1,  3,  5,  0,  2,  4, -1, -4,
     0,  1,  0,  0,  0,  2, -1,  0,
     0,  1,  2,  0,  0,  1,  0, -3,
     0, -1, -1,  0,  0, -1,  0,  2,
     0,  1,  4,  0,  1,  0,  1, -5,
    -2,  0,  1,  0,  1,  0, -1,  0,
};

const char scrambleAlphabet[65] = "zZ9yY8xX7wW6vV5uU4tT3sS2rR1qQ0pPoOnNmMlLkKjJiIhHgGfFeEdDcCbBaA-+";

/* Position of each character code in the alphabet plus one; 0 marks a character outside it. */
static const unsigned char s_reverse[256] = {
    ['z'] = 1, ['Z'] = 2, ['9'] = 3, ['y'] = 4, ['Y'] = 5, ['8'] = 6, ['x'] = 7, ['X'] = 8,
    ['7'] = 9, ['w'] = 10, ['W'] = 11, ['6'] = 12, ['v'] = 13, ['V'] = 14, ['5'] = 15, ['u'] = 16,
    ['U'] = 17, ['4'] = 18, ['t'] = 19, ['T'] = 20, ['3'] = 21, ['s'] = 22, ['S'] = 23, ['2'] = 24,
    ['r'] = 25, ['R'] = 26, ['1'] = 27, ['q'] = 28, ['Q'] = 29, ['0'] = 30, ['p'] = 31, ['P'] = 32,
    ['o'] = 33, ['O'] = 34, ['n'] = 35, ['N'] = 36, ['m'] = 37, ['M'] = 38, ['l'] = 39, ['L'] = 40,
    ['k'] = 41, ['K'] = 42, ['j'] = 43, ['J'] = 44, ['i'] = 45, ['I'] = 46, ['h'] = 47, ['H'] = 48,
    ['g'] = 49, ['G'] = 50, ['f'] = 51, ['F'] = 52, ['e'] = 53, ['E'] = 54, ['d'] = 55, ['D'] = 56,
    ['c'] = 57, ['C'] = 58, ['b'] = 59, ['B'] = 60, ['a'] = 61, ['A'] = 62, ['-'] = 63, ['+'] = 64,
};

DMatrix *matrixCreate(int rows, int columns)
{
    if (rows < 1 || columns < 1)
        return NULL;
    size_t count = (size_t)rows * (size_t)columns;
    if (count > (SIZE_MAX - sizeof(DMatrix)) / sizeof(double))
        return NULL;
    DMatrix *m = calloc(1, sizeof(DMatrix) + count * sizeof(double));
    if (!m)
        return NULL;
    m->rows = (uint32_t)rows;
    m->columns = (uint32_t)columns;
    return m;
}

void matrixFree(DMatrix *matrix)
{
    free(matrix);
}

int matrixMultiply(const DMatrix *p, const DMatrix *m, DMatrix *r)
{
    if (!p || !m || !r)
        return -1;
    if (p->columns != m->rows || r->rows != p->rows || r->columns != m->columns)
        return -2;
    for (uint32_t i = 0; i < p->rows; ++i) {
        for (uint32_t j = 0; j < m->columns; ++j) {
            double sum = 0.0;
            for (uint32_t k = 0; k < p->columns; ++k)
                sum += p->values[(size_t)i * p->columns + k] * m->values[(size_t)k * m->columns + j];
            r->values[(size_t)i * r->columns + j] = sum;
        }
    }
    return 0;
}

static DMatrix *keyMatrix(const double *key)
{
    DMatrix *m = matrixCreate(SCRAMBLE_BLOCK, SCRAMBLE_BLOCK);
    if (m)
        memcpy(m->values, key, sizeof(double) * SCRAMBLE_BLOCK * SCRAMBLE_BLOCK);
    return m;
}

int scrambleEncode(const char *text, char *out)
{
    if (!text || !out)
        return -1;
    size_t n = strlen(text);
    if (n >= SCRAMBLE_MAX_TEXT)
        return -1; /* would not survive the 15-bit rounding below */
    int m = (int)((n + 7) & 0x7FF8);
    if (m == 0) {
        out[0] = '\0';
        return 0;
    }

    int rows = m / SCRAMBLE_BLOCK;
    DMatrix *p = matrixCreate(rows, SCRAMBLE_BLOCK);
    DMatrix *e = keyMatrix(scrambleEncodingKey);
    DMatrix *r = matrixCreate(rows, SCRAMBLE_BLOCK);
    int result = -1;
    if (p && e && r) {
        for (size_t i = 0; i < n; ++i)
            p->values[i] = (double)(unsigned char)text[i]; /* the rest stays zero */
        if (matrixMultiply(p, e, r) == 0) {
            for (int i = 0; i < m; ++i) {
                int16_t v = (int16_t)r->values[i];
                out[2 * i] = scrambleAlphabet[v & 63];
                out[2 * i + 1] = scrambleAlphabet[(v >> 6) & 63];
            }
            out[2 * m] = '\0';
            result = 2 * m;
        }
    }
    matrixFree(p);
    matrixFree(e);
    matrixFree(r);
    return result;
}

int scrambleDecode(const char *scrambled, char *out)
{
    if (!scrambled || !out)
        return -1;
    size_t len = strlen(scrambled);
    /* A scrambled text is two characters per byte in whole blocks of 8 bytes. */
    if (len % (2 * SCRAMBLE_BLOCK) != 0 || len / 2 > INT_MAX)
        return -1;
    if (len == 0) {
        out[0] = '\0';
        return 0;
    }
    for (size_t i = 0; i < len; ++i) {
        if (s_reverse[(unsigned char)scrambled[i]] == 0)
            return -1;
    }

    size_t count = len / 2;
    int rows = (int)(count / SCRAMBLE_BLOCK);
    DMatrix *v = matrixCreate(rows, SCRAMBLE_BLOCK);
    DMatrix *d = keyMatrix(scrambleDecodingKey);
    DMatrix *r = matrixCreate(rows, SCRAMBLE_BLOCK);
    int result = -1;
    if (v && d && r) {
        for (size_t i = 0; i < count; ++i) {
            int value = (s_reverse[(unsigned char)scrambled[2 * i]] - 1)
                      | (s_reverse[(unsigned char)scrambled[2 * i + 1]] - 1) << 6;
            if (value & 0x800)
                value -= 0x1000; /* sign-extend from 12 bits */
            v->values[i] = value;
        }
        if (matrixMultiply(v, d, r) == 0) {
            for (size_t i = 0; i < count; ++i) {
                /* Integers throughout, so the small bias only guards against rounding noise.
                 * Inputs are bounded (12-bit values, small keys), so the conversion stays in range. */
                long b = (long)(r->values[i] + 0.01);
                out[i] = (char)(unsigned char)(b & 0xFF);
            }
            out[count] = '\0';
            result = (int)strlen(out);
        }
    }
    matrixFree(v);
    matrixFree(d);
    matrixFree(r);
    return result;
}
