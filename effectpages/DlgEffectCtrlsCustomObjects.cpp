#include "effectpages/DlgEffectCtrlsCustomObjects.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "core/Translate.h"
#include "effects/CustomObjects.h"
#include "framework/FileDialog.h"
#include "resources/ids_effectpages.h"

#include <commctrl.h>

namespace orvane {
namespace {

constexpr unsigned kTextAddFile = 19;
const WORD kTexts[] = {
    IDC_PAGE_TITLE,    197, IDC_OBJECT_ADD,  kTextAddFile, IDC_OBJECT_DUPLICATE, 198,
    IDC_OBJECT_REMOVE, 21,  IDC_PAGE_ENABLE, 42,           IDC_DISPLAY_GROUP,    49,
    IDC_ON_DESKTOP,    50,  IDC_ON_TOP,      51,
};
const int kObjectControls[] = {IDC_PAGE_ENABLE, IDC_DISPLAY_GROUP, IDC_ON_DESKTOP, IDC_ON_TOP};
const wchar_t kPictureFilter[] = L"*.apng, *.bmp, *.gif, *.ico, *.jpg, *.png\0"
                                 L"*.apng;*.bmp;*.gif;*.ico;*.jpg;*.png\0";

} // namespace

CDlgEffectCtrlsCustomObjects::CDlgEffectCtrlsCustomObjects(IEffectPageOwner& owner)
    : CEffectControlPage(owner, IDD_EFFECT_CTRLS_CUSTOM_OBJECTS, std::nullopt, {}) {}

CCustomObjects* CDlgEffectCtrlsCustomObjects::Objects() const {
    return Host().CustomObjects();
}

void CDlgEffectCtrlsCustomObjects::InitControls() {
    HWND list = Item(IDC_OBJECT_LIST);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 100;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    FillList();
    RefreshObjectControls();
    SetTexts(kTexts, sizeof kTexts / sizeof kTexts[0] / 2);
}

void CDlgEffectCtrlsCustomObjects::FillList() {
    HWND list = Item(IDC_OBJECT_LIST);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    if (CCustomObjects* objects = Objects()) {
        for (std::size_t i = 0; i < objects->Count(); ++i) {
            std::wstring path = objects->Entry(i).path;
            LVITEMW item = {};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = static_cast<int>(i);
            item.pszText = path.data();
            item.lParam = static_cast<LPARAM>(i);
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE);
}

// After the list was filled anew: nothing is selected any more, so the per-object
// controls must not go on acting for the object that was.
void CDlgEffectCtrlsCustomObjects::AfterListChange() {
    FillList();
    SendMessageW(Item(IDC_OBJECT_LIST), LVM_SETSELECTIONMARK, 0, -1);
    RefreshObjectControls();
}

std::optional<std::size_t> CDlgEffectCtrlsCustomObjects::SelectedEntry() const {
    HWND list = Item(IDC_OBJECT_LIST);
    const auto index = static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
    CCustomObjects* objects = Objects();
    if (index < 0 || !objects)
        return std::nullopt;
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return std::nullopt;
    const auto entry = static_cast<std::size_t>(item.lParam);
    if (entry >= objects->Count())
        return std::nullopt;
    return entry;
}

void CDlgEffectCtrlsCustomObjects::RefreshObjectControls() {
    const std::optional<std::size_t> entry = SelectedEntry();
    EnableWindow(Item(IDC_OBJECT_DUPLICATE), entry.has_value());
    EnableWindow(Item(IDC_OBJECT_REMOVE), entry.has_value());
    for (int id : kObjectControls)
        ShowWindow(Item(id), entry ? SW_SHOW : SW_HIDE);
    if (!entry)
        return;
    const CustomObjectEntry& object = Objects()->Entry(*entry);
    CheckDlgButton(m_hWnd, IDC_PAGE_ENABLE, object.enabled ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(Item(IDC_ON_DESKTOP), object.enabled);
    EnableWindow(Item(IDC_ON_TOP), object.enabled);
    CheckRadioButton(m_hWnd, IDC_ON_DESKTOP, IDC_ON_TOP, object.top ? IDC_ON_TOP : IDC_ON_DESKTOP);
}

bool CDlgEffectCtrlsCustomObjects::EffectOn() const {
    const CCustomObjects* objects = Objects();
    return objects && objects->AnyEnabled();
}

void CDlgEffectCtrlsCustomObjects::SwitchOff() {
    if (CCustomObjects* objects = Objects())
        for (std::size_t i = 0; i < objects->Count(); ++i)
            if (objects->Entry(i).enabled)
                objects->SetCustomObjectEnabled(i, false);
    RefreshObjectControls();
}

bool CDlgEffectCtrlsCustomObjects::OnControl(WORD id, WORD notifyCode) {
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_OBJECT_ADD:
        OnAddFile();
        return true;
    case IDC_OBJECT_DUPLICATE:
        OnDuplicate();
        return true;
    case IDC_OBJECT_REMOVE:
        OnRemove();
        return true;
    case IDC_PAGE_ENABLE:
        OnEnable();
        return true;
    case IDC_ON_DESKTOP:
        OnPlacement(false);
        return true;
    case IDC_ON_TOP:
        OnPlacement(true);
        return true;
    default:
        return false;
    }
}

bool CDlgEffectCtrlsCustomObjects::OnNotify(NMHDR* header, LRESULT&) {
    if (header->idFrom != IDC_OBJECT_LIST || header->code != LVN_ITEMCHANGED)
        return false;
    RefreshObjectControls();
    return true;
}

void CDlgEffectCtrlsCustomObjects::OnAddFile() {
    CCustomObjects* objects = Objects();
    if (!objects)
        return;
    std::wstring file;
    if (!AskForFile(m_hWnd, Host().Texts().Text(kTextAddFile), kPictureFilter, file))
        return;
    objects->Add(file);
    AfterListChange();
}

void CDlgEffectCtrlsCustomObjects::OnDuplicate() {
    const std::optional<std::size_t> entry = SelectedEntry();
    if (!entry)
        return;
    // The copy is an object of its own: off, on the desktop and not yet placed.
    Objects()->Add(Objects()->Entry(*entry).path);
    AfterListChange();
}

void CDlgEffectCtrlsCustomObjects::OnRemove() {
    const std::optional<std::size_t> entry = SelectedEntry();
    if (!entry)
        return;
    Objects()->Remove(*entry);
    AfterListChange();
}

void CDlgEffectCtrlsCustomObjects::OnEnable() {
    const bool on = IsDlgButtonChecked(m_hWnd, IDC_PAGE_ENABLE) == BST_CHECKED;
    // The other objects keep running: only the other effects go.
    if (on && !Options().GetBool(key::fAllowMultipleEffects))
        Owner().TurnOffOtherEffects(true);
    EnableWindow(Item(IDC_ON_DESKTOP), on);
    EnableWindow(Item(IDC_ON_TOP), on);
    if (const std::optional<std::size_t> entry = SelectedEntry())
        Objects()->SetCustomObjectEnabled(*entry, on);
}

void CDlgEffectCtrlsCustomObjects::OnPlacement(bool onTop) {
    if (const std::optional<std::size_t> entry = SelectedEntry())
        Objects()->SetTop(*entry, onTop);
}

} // namespace orvane
