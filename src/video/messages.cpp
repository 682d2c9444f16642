// The message file OBJECTS.TXT: 64-byte records, message m in record m + 1.
#include <fstream>

#include "app/form1.h"

namespace {

constexpr int kRecordLength = 64;

std::string trimBlanks(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

void Form1::GetObjMsg() {
  ObjRecord.assign(kRecordLength, ' ');
  // Opened and closed on every call; the stream closes itself on every path.
  std::ifstream file(ObjectsPath, std::ios::binary);
  if (!file) throw ProgramError("cannot open " + ObjectsPath);
  ObjRecNo += 1;
  file.seekg(static_cast<std::streamoff>(ObjRecNo - 1) * kRecordLength);
  // A record beyond the end of the file stays blank: an empty message.
  if (file) file.read(ObjRecord.data(), kRecordLength);
  if (file.bad()) throw ProgramError("cannot read " + ObjectsPath);
  MsgText = trimBlanks(mid(ObjRecord, 18, 44));
}

void Form1::LoadMessage(int32_t messageNo) {
  ObjRecNo = messageNo;
  try {
    GetObjMsg();
  } catch (const std::exception&) {
    MsgText = "";
    if (!messageFileReported_) {
      messageFileReported_ = true;
      sys.messageBox("The message file OBJECTS.TXT is missing or unreadable, so the game cannot say what happens.");
    }
  }
}

void Form1::Announce(int32_t messageNo) {
  LoadMessage(messageNo);
  ComSpeak_Click();
}
