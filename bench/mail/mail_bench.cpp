// Throughput of the pieces that touch every byte of a fax mail.
#include "mail/CBase64Codec.h"
#include "mail/CTextPartEncoder.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::string Prose(std::size_t size) {
    std::mt19937 random(5);
    std::string text;
    text.reserve(size + 16);
    while (text.size() < size) {
        text.append(1 + random() % 11, static_cast<char>('a' + random() % 26));
        text += random() % 12 == 0 ? "\r\n" : " ";
    }
    text.resize(size);
    return text;
}

// Linear: the time per byte stays flat from 4 KiB to 4 MiB.
void BM_WrapText(benchmark::State& state) {
    const std::string text = Prose(static_cast<std::size_t>(state.range(0)));
    const desklet::CTextPartEncoder encoder(0, 76);
    for (auto _ : state) {
        benchmark::DoNotOptimize(encoder.WrapText(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_WrapText)->RangeMultiplier(16)->Range(4 << 10, 4 << 20);

void BM_Base64Encode(benchmark::State& state) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(state.range(0)));
    std::mt19937 random(9);
    for (std::uint8_t& b : bytes) {
        b = static_cast<std::uint8_t>(random());
    }
    std::string out;
    out.reserve(bytes.size() * 4 / 3 + 4);
    for (auto _ : state) {
        out.clear();
        desklet::CBase64Codec::AppendEncoded(bytes.data(), bytes.size(), out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Base64Encode)->Arg(54)->Arg(1 << 20);

} // namespace
