/* The floor for `vintaro2011 --analyse`: what reading a spin file and counting
 * its numbers costs at the least. Reads 1 MiB blocks, finds the line ends 16
 * bytes at a time with SSE2 and counts each line's number 0..36; nothing
 * else (no junk, no absences, no report).
 *
 *     cc -O2 -msse2 -o analyse_floor bench/analyse_floor.c && ./analyse_floor FILE
 */
#include <emmintrin.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { kBlock = 1 << 20 };

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const int fd = open(argv[1], O_RDONLY);
    if (fd < 0)
        return 2;
    static unsigned char block[kBlock + 64];
    long long counts[37] = {0};
    int value = 0, digits = 0;
    ssize_t n;
    while ((n = read(fd, block, kBlock)) > 0) {
        ssize_t i = 0;
        for (; i + 16 <= n; i += 16) {
            const __m128i x = _mm_loadu_si128((const __m128i *)(block + i));
            unsigned ends = (unsigned)_mm_movemask_epi8(_mm_cmpeq_epi8(x, _mm_set1_epi8('\n')));
            ssize_t at = i;
            while (ends) {
                const int e = __builtin_ctz(ends);
                ends &= ends - 1;
                for (; at < i + e; ++at)
                    if (block[at] >= '0' && block[at] <= '9')
                        value = value * 10 + (block[at] - '0'), ++digits;
                if (digits && value <= 36)
                    ++counts[value];
                value = digits = 0;
                at = i + e + 1;
            }
            for (; at < i + 16; ++at)
                if (block[at] >= '0' && block[at] <= '9')
                    value = value * 10 + (block[at] - '0'), ++digits;
        }
        for (; i < n; ++i) {
            if (block[i] == '\n') {
                if (digits && value <= 36)
                    ++counts[value];
                value = digits = 0;
            } else if (block[i] >= '0' && block[i] <= '9') {
                value = value * 10 + (block[i] - '0'), ++digits;
            }
        }
    }
    if (digits && value <= 36)
        ++counts[value];
    long long total = 0;
    for (int k = 0; k < 37; ++k)
        total += counts[k];
    printf("%lld\n", total);
    close(fd);
    return 0;
}
