#include "TransferRecord.h"

#include <filesystem>
#include <vector>

#include "FileIo.h"
#include "Format.h"
#include "ImageMerge.h"
#include "Sha256.h"
#include "Utf8Path.h"

namespace {

constexpr size_t kPlanReadBytes = 64u << 20;  // a plan is a few kB; what is larger is hashed no further

}  // namespace

CTransferRecord::CTransferRecord(const char* program, const std::string& verb, const std::string& port,
                                 const std::string& adapterSerial)
    : m_Start(std::chrono::steady_clock::now()) {
    m_Entry.m_strProgram = program;
    m_Entry.m_strVerb = verb;
    m_Entry.m_strPort = port;
    m_Entry.m_strAdapterSerial = adapterSerial;
}

void CTransferRecord::SetPlan(const std::string& given) {
    m_Entry.m_strPlan = given;
    std::error_code ec;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(Utf8Path(given), ec);
    m_Entry.m_strPlanResolved = ec ? given : resolved.string();
    m_Entry.m_strPlanSha256 = FileSha256(given);
}

void CTransferRecord::SetModelOf(const CImageBytes& image) {
    if (IsBlankImage(image)) {
        m_Entry.m_strModel.clear();
        return;
    }
    CEepromImage decoder;
    decoder.m_Work = image;
    CDataRadioDoc doc;
    decoder.DecodeImage(doc);
    m_Entry.m_strModel = ModelLogName(doc);
}

void CTransferRecord::SetSent(const CImageBytes& sent) {
    m_Entry.m_strSha256 = Sha256Hex(sent.data(), sent.size());
}

void CTransferRecord::Finish(int version, bool ok, const std::string& failure) {
    if (version >= 0) {
        m_Entry.m_strFirmware = FirmwareLogText(version);
    }
    m_Entry.m_strResult = ResultLogText(ok, failure);
    m_Entry.m_dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_Start).count();
}

bool CTransferRecord::Log(std::string* error) const {
    return AppendTransferLog(m_Entry, error);
}

bool LogBackupRemoved(const char* program, const std::string& path, int days, std::string* error) {
    CTransferRecord record(program, "prune", "");
    record.Finish(-1, true);
    record.m_Entry.m_strResult = StrPrintf("removed: last read more than %d days ago", days);
    record.m_Entry.m_dSeconds = 0;
    record.m_Entry.m_strBackup = path;
    return record.Log(error);
}

std::string FirmwareLogText(int version) {
    return version < 0 ? std::string() : StrPrintf("%d.%d", (version >> 4) & 0x0F, version & 0x0F);
}

std::string ResultLogText(bool ok, const std::string& failure) {
    if (ok) {
        return "ok";
    }
    const std::string line = failure.substr(0, failure.find('\n'));
    return line.empty() ? "failed" : line;
}

std::string FileSha256(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (path.empty() || !ReadFileBytes(path, bytes, kPlanReadBytes)) {
        return std::string();
    }
    return Sha256Hex(bytes);
}
