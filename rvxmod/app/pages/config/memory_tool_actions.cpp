#include "rvxmod/app/pages/config/memory_tool_actions.h"

#include <memory>

#include "rvxmod/app/dialogs/cal_dates_form.h"
#include "rvxmod/app/dialogs/format_form.h"
#include "rvxmod/app/dialogs/save_cal_files_form.h"
#include "rvxmod/app/dialogs/serial_length_form.h"
#include "rvxmod/app/pages/config/memory_tools.h"
#include "rvxmod/app/pages/tool_info/tool_info_panel.h"
#include "rvxmod/app/tool_session.h"
#include "rvxmod/memory/bad_block_map.h"
#include "rvxmod/memory/format_tool.h"
#include "rvxmod/memory/supervisor_reads.h"

namespace rvxmod::app {
namespace {

using MemoRead = std::optional<std::string> (*)(link::ToolLink&, const ConnectedToolString&,
                                                const link::MemoryAddress&, rvx::UserPort&);

// Reads on the worker and appends the memo line it gives, if any.
void readIntoMemo(MemoryTools& tools, ToolInfoPanel& panel, rvx::UserPort& user, MemoRead read) {
    const link::MemoryAddress address = tools.address();
    ToolSession& session = panel.session();
    auto line = std::make_shared<std::optional<std::string>>();
    panel.runOnTool([&session, &user, address, read,
                     line] { *line = read(session.link(), session.toolString(), address, user); },
                    [&tools, line] {
                        if (*line) tools.memo().appendPlainText(QString::fromStdString(**line));
                    });
}

// A modal form over the memory tools, deleted once closed.
template <class Form>
Form& newForm(MemoryTools& tools, ToolInfoPanel& panel, rvx::UserPort& user) {
    auto* form = new Form(panel, user, &tools);
    form->setAttribute(Qt::WA_DeleteOnClose);
    return *form;
}

// Opens a grid form once the tool string is idle and the form's core agrees.
template <class Form, class Open>
void openGridForm(MemoryTools& tools, ToolInfoPanel& panel, rvx::UserPort& user, Open open) {
    if (panel.session().busy()) return;
    const auto grid = open(panel.session().toolString(), user);
    if (!grid) return;
    Form& form = newForm<Form>(tools, panel, user);
    form.showGrid(*grid);
    form.open();
}

}  // namespace

void wireMemoryTools(MemoryTools& tools, ToolInfoPanel& panel, rvx::UserPort& user) {
    QObject::connect(&tools, &MemoryTools::readBlockClicked, &panel, [&tools, &panel, &user] {
        tools.memo().clear();
        readIntoMemo(tools, panel, user, &memory::readBlockForMemo);
    });
    QObject::connect(&tools, &MemoryTools::readLineClicked, &panel, [&tools, &panel, &user] {
        readIntoMemo(tools, panel, user, &memory::readLineForMemo);
    });
    QObject::connect(&tools, &MemoryTools::badBlockTableClicked, &panel, [&tools, &panel, &user] {
        ToolSession& session = panel.session();
        auto lines = std::make_shared<std::vector<std::string>>();
        panel.runOnTool(
            [&session, &user, lines] {
                *lines = memory::readBBTable(session.link(), session.toolString(),
                                             session.buffers().badBlocks, user);
            },
            [&tools, lines] {
                if (lines->empty()) return;
                tools.memo().clear();
                for (const std::string& line : *lines)
                    tools.memo().appendPlainText(QString::fromStdString(line));
            });
    });
    QObject::connect(&tools, &MemoryTools::serialNumberClicked, &panel, [&tools, &panel, &user] {
        openGridForm<TFormSerialLength>(tools, panel, user, &link::openSerialLengthForm);
    });
    QObject::connect(&tools, &MemoryTools::saveCalDateClicked, &panel, [&tools, &panel, &user] {
        openGridForm<TFormCalDates>(tools, panel, user, &link::openCalDatesForm);
    });
    QObject::connect(&tools, &MemoryTools::formatClicked, &panel, [&tools, &panel, &user] {
        if (panel.session().busy() || !memory::confirmFormat(panel.session().toolString(), user))
            return;
        newForm<TFormFormat>(tools, panel, user).open();
    });
    QObject::connect(&tools, &MemoryTools::calFilesClicked, &panel, [&tools, &panel, &user] {
        if (panel.session().busy() || !memory::openSaveCalFiles(panel.session().toolString(), user))
            return;
        TFormSaveCals& form = newForm<TFormSaveCals>(tools, panel, user);
        form.showGrid();
        form.open();
    });
}

}  // namespace rvxmod::app
