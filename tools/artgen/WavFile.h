// RIFF WAVE files as PlaySound takes them from the resources: PCM, mono,
// 22050 samples per second, 8-bit unsigned.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kSampleRate = 22050;

std::string EncodeWav(const std::vector<std::uint8_t>& samples);
