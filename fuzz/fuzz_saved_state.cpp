// Saved state from a file anyone can send: the bytes as the record of a
// project file, and as the sequence data handed to the effect at re-set-up,
// which is then flattened, duplicated and set down. However the record is
// made, the instance lives on, its own flat record comes back unchanged, and
// after the set-downs the host holds no sequence handle.
#include "fuzz/yFuzzEffect.h"
#include "fuzz/yFuzzFile.h"
#include "effect/plugin/zelTonescopeDataFlat.h"
#include "standalone/media/yProjectFile.h"

#include <cstring>
#include <string>
#include <vector>

using yFuzz::Require;

namespace
{
void ReadAsProjectFile(const std::vector<uint8_t>& record)
{
    // A well-formed header naming the record's own size, then the record.
    std::vector<uint8_t> file(yStandalone::yProjectFile::kHeaderSize);
    const uint32_t header[3] = {yStandalone::yProjectFile::kMagic, yStandalone::yProjectFile::kFormatVersion,
                                uint32_t(record.size())};
    std::memcpy(file.data(), header, sizeof header);
    file.insert(file.end(), record.begin(), record.end());
    file.insert(file.end(), 4, 0); // no host settings
    const std::string& path = yFuzz::ScratchFile(file.data(), file.size());

    std::vector<uint8_t> read;
    std::string error;
    Require(yStandalone::yProjectFile::Read(path, record.size(), read, error) && read == record,
            "a well-formed project file reads back as written");
    const size_t flatSize = zelTonescope::zelTonescopeDataFlat::kSize;
    if (yStandalone::yProjectFile::Read(path, flatSize, read, error))
        Require(read == record && record.size() == flatSize, "a record of the expected size reads back whole");
    else Require(!error.empty() && record.size() != flatSize, "only a record of another size is refused");

    // The bytes as the whole file: anything but a crash.
    yStandalone::yProjectFile::Read(yFuzz::ScratchFile(record.data(), record.size()), flatSize, read, error);
}

std::vector<uint8_t> Flatten(yStandalone::yEffectHost& host)
{
    host.Call(PF_Cmd_SEQUENCE_FLATTEN);
    return host.HandleBytes(host.InData().sequence_data);
}

void ResetupFrom(const std::vector<uint8_t>& record)
{
    // Global set-up once: every input sets a sequence up and down again.
    static yFuzz::yFuzzEffect effect(false);
    static const size_t handles = effect.Host().LiveHandles();
    yStandalone::yEffectHost& host = effect.Host();
    host.SetSequenceData(host.NewHandleWith(record));
    host.Call(PF_Cmd_SEQUENCE_RESETUP);

    // Flatten, then duplicate as the host does: the flat bytes copied into a
    // second handle and set up again from it, next to the first instance.
    const std::vector<uint8_t> flat = Flatten(host);
    const PF_Handle first = host.InData().sequence_data;
    host.SetSequenceData(host.NewHandleWith(flat));
    host.Call(PF_Cmd_SEQUENCE_RESETUP);
    if (!flat.empty()) Require(Flatten(host) == flat, "a duplicate flattens to its source's record");
    host.Call(PF_Cmd_SEQUENCE_SETDOWN);

    // The flattened first instance is set down as it stands, as when a saved
    // project is closed; setting it up again would only repeat the duplicate.
    host.SetSequenceData(first);
    host.Call(PF_Cmd_SEQUENCE_SETDOWN);
    Require(host.LiveHandles() == handles, "the set-downs free every sequence handle");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    ReadAsProjectFile(bytes);
    ResetupFrom(bytes);
    return 0;
}
