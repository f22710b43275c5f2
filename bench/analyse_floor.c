/* The floor for `vintaro2011 --analyse`: what reading a spin file and counting
 * its numbers costs at the least. Reads 1 MiB blocks, finds the line ends 16
 * bytes at a time with SSE2 and counts the number of one or two digits before
 * each (CR LF or LF); nothing else (no junk, no absences, no report).
 *
 *     cc -O2 -msse2 -o analyse_floor bench/analyse_floor.c && ./analyse_floor FILE
 */
#include <emmintrin.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

enum { kBlock = 1 << 20, kKeep = 4 };

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const int fd = open(argv[1], O_RDONLY);
    if (fd < 0)
        return 2;
    /* The last bytes of the block before stand in front of the next one. */
    static unsigned char buffer[kKeep + kBlock];
    unsigned char *const block = buffer + kKeep;
    memset(buffer, '\n', kKeep);
    long long counts[38] = {0};
    ssize_t n;
    while ((n = read(fd, block, kBlock)) > 0) {
        ssize_t i = 0;
        for (; i < n; i += 16) {
            const __m128i x = _mm_loadu_si128((const __m128i *)(block + i));
            unsigned ends = (unsigned)_mm_movemask_epi8(_mm_cmpeq_epi8(x, _mm_set1_epi8('\n')));
            if (n - i < 16)
                ends &= (1u << (n - i)) - 1;
            while (ends) {
                const unsigned char *e = block + i + __builtin_ctz(ends);
                ends &= ends - 1;
                e -= e[-1] == '\r';
                const unsigned d1 = e[-1] - '0', d0 = e[-2] - '0';
                const unsigned v = d0 <= 9 ? d0 * 10 + d1 : d1;
                ++counts[v <= 36 ? v : 37];
            }
        }
        memcpy(buffer, block + n - kKeep, kKeep);
    }
    long long total = 0;
    for (int k = 0; k < 37; ++k)
        total += counts[k];
    printf("%lld\n", total);
    close(fd);
    return 0;
}
