#include "support/FaultyIo.h"

#include <algorithm>
#include <cstring>

namespace testsupport {

std::size_t FaultySource::Lit(uint8_t* destination, std::size_t count)
{
    if (delivered_ >= failAfter_)
        throw EErreurFichier("injected read failure");
    std::size_t left = bytes_.size() - std::min(position_, bytes_.size());
    std::size_t n = std::min({count, left, chunk_, failAfter_ - delivered_});
    if (n > 0)
        std::memcpy(destination, bytes_.data() + position_, n);
    position_ += n;
    delivered_ += n;
    return n;
}

void FaultySource::Positionne(int64_t offset)
{
    if (offset < 0)
        throw EErreurFichier("negative offset");
    position_ = static_cast<std::size_t>(offset);
}

void FaultySink::Ecrit(const uint8_t* source, std::size_t count)
{
    std::size_t room = failAfter_ - std::min(failAfter_, written_->size());
    written_->insert(written_->end(), source, source + std::min(count, room));
    if (count > room)
        throw EErreurFichier("injected write failure");
}

void FaultySink::Ferme()
{
    if (failOnClose_)
        throw EErreurFichier("injected failure at closing");
}

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

} // namespace testsupport
