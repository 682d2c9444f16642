// The message file OBJECTS.TXT: 64-byte records, message m in record m + 1.
#include <fstream>

#include "app/form1.h"

namespace {
constexpr int kRecordLength = 64;
}

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
      Tell("The message file OBJECTS.TXT is missing or unreadable, so the game cannot say what happens.");
    }
  }
}

void Form1::Announce(int32_t messageNo) {
  LoadMessage(messageNo);
  ComSpeak_Click();
}

// The message of a script's "M" line and the control it points at. One record
// serves a whole control array: the sign adds or subtracts the line's index
// from the position of the array's element 0.
void Form1::MerlinCode() {
  try {
    ObjRecNo = ScriptMsgNo;
    GetObjMsg();
    ObjCode = mid(ObjRecord, 4, 14);
    ObjSign = mid(ObjCode, 1, 1);
    ObjBlankFlag = mid(ObjCode, 3, 1);
    if (ObjBlankFlag == "0") MsgText = " " + MsgText;
    ObjTabNo = readInt16(mid(ObjCode, 4, 3));
    CtlIndex = CtlByTab(ObjTabNo);
    if (ObjSign == "+") CtlIndex = toInt16(ActionIndex + CtlIndex);
    if (ObjSign == "-") CtlIndex = toInt16(CtlIndex - ActionIndex);
  } catch (const std::exception&) {
    Tell("NFmt=" + std::to_string(ScriptMsgNo) + "NObjx=" + std::to_string(ObjTabNo));
  }
}
