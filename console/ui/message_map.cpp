#include "message_map.h"

namespace ui {

const MessageMapEntry* FindMessageEntry(const MessageMap* map, MessageKind kind, UINT id) {
    for (; map != nullptr; map = map->base != nullptr ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->kind != MessageKind::End; ++entry) {
            if (entry->kind == kind && (kind != MessageKind::Command || entry->id == id)) {
                return entry;
            }
        }
    }
    return nullptr;
}

}  // namespace ui

const ui::MessageMap* CCmdTarget::GetThisMessageMap() {
    static const ui::MessageMapEntry entries[] = {{ui::MessageKind::End, 0, nullptr}};
    static const ui::MessageMap map{nullptr, entries};
    return &map;
}

bool CCmdTarget::OnCmdMsg(UINT id) {
    const ui::MessageMapEntry* entry = ui::FindMessageEntry(GetMessageMap(), ui::MessageKind::Command, id);
    if (entry == nullptr) return false;
    entry->handler(*this, ui::MessageArgs{id, 0});
    return true;
}
