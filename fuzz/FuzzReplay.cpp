// Runs a fuzz target without libFuzzer: every file of its seed corpus, then
// mutants of each made by a fixed-seed generator (bit flips, cuts, inserted
// and deleted bytes, copied chunks and the magic numbers that headers hold:
// 0, -1, the largest and smallest 16- and 32-bit values, header sizes). The
// same run every time, so a failure is reproducible; a failing input is
// written out for the fuzzer and the debugger.
//
//   FuzzReplay <corpus folder>... [--mutations N] [--seed S]
#include <algorithm>
#include <array>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

using Bytes = std::vector<uint8_t>;

constexpr std::array<uint32_t, 16> Magic { 0, 1, 12, 40, 124, 0x7F, 0x80, 0xFF, 0x100, 0x7FFF,
    0x8000, 0xFFFF, 0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF };

class Mutator
{
public:
    explicit Mutator(uint32_t seed)
        : m_random(seed)
    { }

    Bytes mutate(Bytes input)
    {
        const int steps = 1 + int(below(3));
        for (int k = 0; k < steps; ++k)
            step(input);
        return input;
    }

private:
    uint32_t below(uint64_t n) { return n == 0 ? 0 : uint32_t(m_random() % n); }

    // Headers are where the parsers look: half the positions fall in the
    // first 64 bytes.
    size_t position(const Bytes &bytes, bool end = false)
    {
        const size_t range = bytes.size() + (end ? 1 : 0);
        if (range == 0)
            return 0;
        return below(2) ? below(std::min<size_t>(range, 64)) : below(range);
    }

    void step(Bytes &bytes)
    {
        switch (below(6)) {
        case 0:
            if (!bytes.empty())
                bytes[position(bytes)] ^= uint8_t(1u << below(8));
            break;
        case 1:
            bytes.resize(below(bytes.size() + 1));
            break;
        case 2:
            bytes.insert(bytes.begin() + ptrdiff_t(position(bytes, true)), 1 + below(8),
                uint8_t(below(256)));
            break;
        case 3:
            if (!bytes.empty()) {
                const size_t at = position(bytes);
                const size_t count = std::min<size_t>(1 + below(16), bytes.size() - at);
                bytes.erase(bytes.begin() + ptrdiff_t(at), bytes.begin() + ptrdiff_t(at + count));
            }
            break;
        case 4:
            putMagic(bytes);
            break;
        default:
            copyChunk(bytes);
            break;
        }
    }

    // A magic number, little- or big-endian, 1, 2 or 4 bytes wide.
    void putMagic(Bytes &bytes)
    {
        const uint32_t value = Magic[below(Magic.size())];
        const size_t width = size_t(1) << below(3);
        const bool big = below(2);
        const size_t at = position(bytes);
        for (size_t k = 0; k < width && at + k < bytes.size(); ++k) {
            const size_t shift = 8 * (big ? width - 1 - k : k);
            bytes[at + k] = uint8_t(value >> shift);
        }
    }

    void copyChunk(Bytes &bytes)
    {
        if (bytes.empty())
            return;
        const size_t from = below(bytes.size());
        const size_t count = std::min<size_t>(1 + below(32), bytes.size() - from);
        const Bytes chunk(bytes.begin() + ptrdiff_t(from), bytes.begin() + ptrdiff_t(from + count));
        bytes.insert(bytes.begin() + ptrdiff_t(position(bytes, true)), chunk.begin(), chunk.end());
    }

    std::mt19937 m_random;
};

Bytes readFile(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The input being run: when it crashes the run, the signal handler writes it
// to `fuzz-replay-failure.bin` in the working folder before the default
// action ends the process.
const Bytes *current = nullptr;

extern "C" void saveFailingInput(int signal)
{
    if (current) {
        const int file = ::open("fuzz-replay-failure.bin", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (file >= 0) {
            [[maybe_unused]] const ssize_t written
                = ::write(file, current->data(), current->size());
            ::close(file);
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void run(const Bytes &input)
{
    current = &input;
    LLVMFuzzerTestOneInput(input.data(), input.size());
    current = nullptr;
}

}

int main(int argc, char **argv)
{
    std::vector<std::filesystem::path> folders;
    long mutations = 400;
    uint32_t seed = 20261208;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--mutations") == 0 && k + 1 < argc)
            mutations = std::strtol(argv[++k], nullptr, 10);
        else if (std::strcmp(argv[k], "--seed") == 0 && k + 1 < argc)
            seed = uint32_t(std::strtoul(argv[++k], nullptr, 10));
        else
            folders.emplace_back(argv[k]);
    }
    std::vector<std::filesystem::path> files;
    for (const auto &folder : folders) {
        for (const auto &entry : std::filesystem::directory_iterator(folder)) {
            if (entry.is_regular_file())
                files.push_back(entry.path());
        }
    }
    // Directory order differs between file systems; the run must not.
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        std::fprintf(stderr, "FuzzReplay: no seed files found\n");
        return 1;
    }
    for (int signal : { SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL })
        std::signal(signal, saveFailingInput);
    Mutator mutator(seed);
    long runs = 0;
    for (const auto &path : files) {
        const Bytes original = readFile(path);
        std::fprintf(stderr, "%s (%zu bytes)\n", path.filename().c_str(), original.size());
        run(original);
        ++runs;
        for (long k = 0; k < mutations; ++k, ++runs)
            run(mutator.mutate(original));
    }
    std::fprintf(stderr, "FuzzReplay: %ld inputs from %zu seeds\n", runs, files.size());
    return 0;
}
