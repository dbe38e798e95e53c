import QtQuick
import Stashline

// Keyboard movement through a list of day sections and cards. One card is the list's Tab stop
// (tabStop); Up and Down move to the card above or below in the order shown (Home and End to
// the first and the last), skipping section headers, and scroll it into view. A card that gets
// focus any other way (a click, Tab onto a current card scrolled away) becomes current and is
// scrolled into view too. Up from the first card goes back to the search field, when the list
// has one.
QtObject {
    id: keys
    required property ListView view
    property SearchField field: null

    function isCard(index) {
        const model = view.model
        return index >= 0 && index < view.count
            && !model.data(model.index(index, 0), ShareSectionListModel.IsHeaderRole)
    }
    // The nearest card from `index` in the direction of `step` (1 or -1), or -1.
    function cardFrom(index, step) {
        for (let row = index + step; row >= 0 && row < view.count; row += step) {
            if (isCard(row))
                return row
        }
        return -1
    }
    // The card takes focus first and becomes current then (cardFocused): a card that still has
    // focus cannot stop being a Tab stop.
    function focusCard(index) {
        if (index < 0)
            return
        view.positionViewAtIndex(index, ListView.Contain)
        const row = view.itemAtIndex(index)
        if (row && row.card)
            row.card.forceActiveFocus(Qt.TabFocusReason)
    }
    // From the card at `index`: -1 or 1 the card above or below, -2 or 2 the first or the last.
    function step(index, step) {
        if (step === -2)
            focusCard(cardFrom(-1, 1))
        else if (step === 2)
            focusCard(cardFrom(view.count, -1))
        else if (step === -1 && cardFrom(index, step) < 0 && field) {
            view.positionViewAtBeginning()
            field.input.forceActiveFocus(Qt.BacktabFocusReason)
        } else
            focusCard(cardFrom(index, step))
    }
    function focusFirstCard() { focusCard(cardFrom(-1, 1)) }
    // The card at `index` is about to leave the list (deleted, restored): the list's page takes
    // the focus first, so the leaving card cannot keep it (a focused delegate would stay drawn
    // over its neighbours), and then hands it on to the card that takes its place.
    function handOver(index) {
        release()
        Qt.callLater(function() { focusCard(isCard(index) ? index : cardFrom(index, -1)) })
    }
    // The list's page takes the focus from the cards (before a dialog about a card opens, so the
    // focus does not return to a card that is gone).
    function release() { view.parent.forceActiveFocus() }
    function cardFocused(index) {
        view.currentIndex = index
        view.positionViewAtIndex(index, ListView.Contain)
    }
    // The row of the card that Tab reaches: the list's current row, or while that is a header
    // (a list starts on its first header) the card below it. The list's current row is moved only
    // when a card takes focus, so a list that loads never scrolls by itself.
    readonly property int tabStop: view.count > 0 && isCard(view.currentIndex) ? view.currentIndex
                                                                               : cardFrom(view.currentIndex, 1)
}
