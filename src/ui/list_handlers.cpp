// What the scale, arpeggio and chord lists do: a double-click clears the
// picture, shows the choice over the selected root and reports it in the two
// status fields; the scale list also answers typing and selection changes.

#include "theory/show.h"
#include "theory/tables.h"
#include "ui/fretboard_dlg.h"

namespace fretlab {

namespace {

constexpr int kListTextChars = 19;  // a list's text is read into 20 characters

QString ListText(const CComboList& list) { return list.GetWindowText().left(kListTextChars); }

}  // namespace

void CFretboardDlg::StatusReport(int index, const QString& text) {
  m_statusNumber.setText(QString::asprintf("%i", index));
  m_statusText.setText(text);
}

void CFretboardDlg::ShowListChoice(const CComboList& list,
                                   void (*show)(FretboardHost&, int choice, int root)) {
  ClearMarkers();
  // The root first, then the list's own choice, both after the clear.
  const int root = m_rootList.GetCurSel();
  const int choice = list.GetCurSel();
  show(*this, choice, root);
  // Written once every note has sounded.
  StatusReport(choice, ListText(list));
}

void CFretboardDlg::OnScaleDblClk() { ShowListChoice(m_scaleList, &ShowScale); }
void CFretboardDlg::OnArpeggioDblClk() { ShowListChoice(m_arpeggioList, &ShowArpeggio); }
void CFretboardDlg::OnChordDblClk() { ShowListChoice(m_chordList, &ShowChord); }

void CFretboardDlg::OnScaleEditChange() {
  ClearMarkers();
  const int root = m_rootList.GetCurSel();
  const int scale = m_scaleList.GetCurSel();
  // Typing shows the seven modes at once; the two minor scales only on a
  // double-click.
  if (scale >= 0 && scale < kModeCount) ShowScale(*this, scale, root);
  StatusReport(scale, ListText(m_scaleList));
}

void CFretboardDlg::OnScaleSelChange() {
  const QString text = ListText(m_scaleList);
  m_statusText.setText(text);
  // A plain marker at string 5, fret 5, over whatever is shown: long-standing
  // behaviour of this window, kept so that it works as its users know it.
  if (text == QStringLiteral("Mixolydian")) DrawMarker(5, 5, 0);
}

}  // namespace fretlab
