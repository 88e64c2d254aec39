#include "PortList.h"

std::vector<uint32_t> DefaultPortList() {
    return {};
}

QString PortEntryText(int com) {
    return QStringLiteral("COM%1").arg(com);
}
