// Message maps: each class that handles messages lists them in a constant table, chained to its
// base class's table. The entries are built by the macros below; a window looks a message up
// in its own table first, then in its bases', and falls back to default processing.
#pragma once

#include <cstddef>

#include "win_types.h"

class CCmdTarget;

namespace ui {

enum class MessageKind { End, Command, SysCommand, Paint, QueryDragIcon };

struct MessageArgs {
    UINT id = 0;       // the command or control identifier
    LPARAM param = 0;  // WM_SYSCOMMAND's parameter
};

using MessageHandler = HICON (*)(CCmdTarget& target, const MessageArgs& args);

struct MessageMapEntry {
    MessageKind kind;
    UINT id;  // Command entries only
    MessageHandler handler;
};

struct MessageMap {
    const MessageMap* (*base)();         // nullptr at the root
    const MessageMapEntry* entries;      // ends with a MessageKind::End entry
};

// The first entry of `kind` (and `id`, for commands) in the chain of maps, or nullptr.
const MessageMapEntry* FindMessageEntry(const MessageMap* map, MessageKind kind, UINT id);

}  // namespace ui

// The root of everything that has a message map.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    static const ui::MessageMap* GetThisMessageMap();
    virtual const ui::MessageMap* GetMessageMap() const { return GetThisMessageMap(); }

    // Runs the command entry for `id`; false when no map in the chain has one.
    bool OnCmdMsg(UINT id);
};

#define DECLARE_MESSAGE_MAP()                                    \
protected:                                                       \
    static const ::ui::MessageMap* GetThisMessageMap();          \
    const ::ui::MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
    const ::ui::MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const ::ui::MessageMap* theClass::GetThisMessageMap() {                             \
        using ThisClass = theClass;                                                     \
        using TheBaseClass = baseClass;                                                 \
        static_cast<void>(sizeof(ThisClass));                                           \
        static const ::ui::MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                               \
    {::ui::MessageKind::End, 0, nullptr}};                                              \
    static const ::ui::MessageMap map{&TheBaseClass::GetThisMessageMap, entries};       \
    return &map;                                                                        \
    }

// A command from a menu or accelerator.
#define ON_COMMAND(id, memberFunction)                                                  \
    {::ui::MessageKind::Command, static_cast<UINT>(id),                                 \
     [](CCmdTarget& target, const ::ui::MessageArgs&) -> HICON {                        \
         static_cast<ThisClass&>(target).memberFunction();                              \
         return nullptr;                                                                \
     }},

// The click of a button or check box (BN_CLICKED).
#define ON_BN_CLICKED(id, memberFunction) ON_COMMAND(id, memberFunction)

#define ON_WM_SYSCOMMAND()                                                              \
    {::ui::MessageKind::SysCommand, 0,                                                  \
     [](CCmdTarget& target, const ::ui::MessageArgs& args) -> HICON {                   \
         static_cast<ThisClass&>(target).OnSysCommand(args.id, args.param);             \
         return nullptr;                                                                \
     }},

#define ON_WM_PAINT()                                                                   \
    {::ui::MessageKind::Paint, 0, [](CCmdTarget& target, const ::ui::MessageArgs&) -> HICON { \
         static_cast<ThisClass&>(target).OnPaint();                                     \
         return nullptr;                                                                \
     }},

#define ON_WM_QUERYDRAGICON()                                                           \
    {::ui::MessageKind::QueryDragIcon, 0,                                               \
     [](CCmdTarget& target, const ::ui::MessageArgs&) -> HICON {                        \
         return static_cast<ThisClass&>(target).OnQueryDragIcon();                      \
     }},
