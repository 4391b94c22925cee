#pragma once

#include "files/ioFile.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

constexpr std::size_t kNever = std::numeric_limits<std::size_t>::max();

// A byte source that hands its data out in pieces of at most `chunk` bytes and
// fails like a broken device once `failAfter` bytes have been delivered.
class FaultySource : public TSourceOctets {
public:
    FaultySource(std::vector<uint8_t> bytes, std::size_t failAfter = kNever, std::size_t chunk = kNever)
        : bytes_(std::move(bytes)), failAfter_(failAfter), chunk_(chunk)
    {
    }
    std::size_t Lit(uint8_t* destination, std::size_t count) override;
    void Positionne(int64_t offset) override;
    int64_t Taille() override { return static_cast<int64_t>(bytes_.size()); }

private:
    std::vector<uint8_t> bytes_;
    std::size_t failAfter_;
    std::size_t chunk_;
    std::size_t position_ = 0;
    std::size_t delivered_ = 0;
};

// A byte sink that keeps what it is given in `written` and fails like a full
// disk once `failAfter` bytes have gone through, or at closing.
class FaultySink : public TDestinationOctets {
public:
    explicit FaultySink(std::shared_ptr<std::vector<uint8_t>> written, std::size_t failAfter = kNever,
                        bool failOnClose = false)
        : written_(std::move(written)), failAfter_(failAfter), failOnClose_(failOnClose)
    {
    }
    void Ecrit(const uint8_t* source, std::size_t count) override;
    void Ferme() override;

private:
    std::shared_ptr<std::vector<uint8_t>> written_;
    std::size_t failAfter_;
    bool failOnClose_;
};

std::vector<uint8_t> Bytes(const std::string& text);

} // namespace testsupport
