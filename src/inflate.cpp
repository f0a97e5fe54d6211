// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// Inflates the web page's program, which the page holds deflated (RFC 1951):
// a browser reads a page from a file whole before it parses any of it, so
// every byte of the page delays the first prompt, and this inflates the
// program in a fraction of the time that its deflated third saves. It is a
// program of its own, small enough for any browser to compile at once, with
// no imports: the page puts the deflated bytes at input(), calls inflate(),
// and takes the count of bytes that it returns from output().
namespace {

constexpr int maxBits = 15;
// Room for a program of up to 1 MiB (web.cmake refuses a larger one),
// deflated or not.
unsigned char packed[1 << 20];
unsigned char program[1 << 20];
const unsigned char *in;
unsigned char *out;
unsigned long held;
int heldBits;

unsigned bits(int need)
{
    while (heldBits < need) {
        held |= static_cast<unsigned long>(*in++) << heldBits;
        heldBits += 8;
    }
    const auto value = static_cast<unsigned>(held & ((1UL << need) - 1));
    held >>= need;
    heldBits -= need;
    return value;
}

// A canonical Huffman code: the count of codes of each length, and the
// symbols in the order of their codes.
struct Code {
    int count[maxBits + 1];
    int symbol[288];
};

void make(Code &code, const int *lengths, int symbols)
{
    int next[maxBits + 1] = {};
    for (int &count : code.count)
        count = 0;
    for (int s = 0; s < symbols; ++s)
        ++code.count[lengths[s]];
    for (int length = 1; length < maxBits; ++length)
        next[length + 1] = next[length] + code.count[length];
    for (int s = 0; s < symbols; ++s)
        if (lengths[s] != 0)
            code.symbol[next[lengths[s]]++] = s;
}

int decode(const Code &code)
{
    int value = 0;
    int first = 0;
    int index = 0;
    for (int length = 1; length <= maxBits; ++length) {
        value |= static_cast<int>(bits(1));
        const int count = code.count[length];
        if (value - first < count)
            return code.symbol[index + value - first];
        index += count;
        first = (first + count) << 1;
        value <<= 1;
    }
    return 256; // no such code: ends the block
}

constexpr int lengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                              31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int lengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                               2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int distanceBase[] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr int distanceExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void block(const Code &literals, const Code &distances)
{
    for (int symbol = decode(literals); symbol != 256; symbol = decode(literals)) {
        if (symbol < 256) {
            *out++ = static_cast<unsigned char>(symbol);
            continue;
        }
        symbol -= 257;
        int length = lengthBase[symbol] + static_cast<int>(bits(lengthExtra[symbol]));
        const int distance = decode(distances);
        const auto back = distanceBase[distance] + static_cast<int>(bits(distanceExtra[distance]));
        for (; length > 0; --length, ++out)
            *out = out[-back];
    }
}

} // namespace

extern "C" {

unsigned char *input()
{
    return packed;
}

unsigned char *output()
{
    return program;
}

// Inflates the deflated bytes at input(); returns the count at output().
int inflate()
{
    in = packed;
    out = program;
    held = 0;
    heldBits = 0;
    static Code literals;
    static Code distances;
    static int lengths[288 + 32];
    for (bool last = false; !last;) {
        last = bits(1) != 0;
        const unsigned type = bits(2);
        if (type == 0) { // stored
            held = 0;
            heldBits = 0;
            const int size = in[0] | in[1] << 8;
            in += 4;
            for (int i = 0; i < size; ++i)
                *out++ = *in++;
            continue;
        }
        int literalCount = 288;
        int distanceCount = 30;
        if (type == 1) { // the fixed codes
            for (int s = 0; s < literalCount; ++s)
                lengths[s] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
            for (int s = 0; s < distanceCount; ++s)
                lengths[literalCount + s] = 5;
        } else { // codes of the block's own, sent with a code for their lengths
            literalCount = static_cast<int>(bits(5)) + 257;
            distanceCount = static_cast<int>(bits(5)) + 1;
            const int codeCount = static_cast<int>(bits(4)) + 4;
            constexpr int order[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                       11, 4,  12, 3, 13, 2, 14, 1, 15};
            int codeLengths[19] = {};
            for (int i = 0; i < codeCount; ++i)
                codeLengths[order[i]] = static_cast<int>(bits(3));
            make(literals, codeLengths, 19);
            for (int i = 0; i < literalCount + distanceCount;) {
                const int symbol = decode(literals);
                if (symbol < 16) {
                    lengths[i++] = symbol;
                    continue;
                }
                const int repeated = symbol == 16 ? lengths[i - 1] : 0;
                int times = symbol == 16   ? 3 + static_cast<int>(bits(2))
                            : symbol == 17 ? 3 + static_cast<int>(bits(3))
                                           : 11 + static_cast<int>(bits(7));
                for (; times > 0; --times)
                    lengths[i++] = repeated;
            }
        }
        make(literals, lengths, literalCount);
        make(distances, lengths + literalCount, distanceCount);
        block(literals, distances);
    }
    return static_cast<int>(out - program);
}
}
