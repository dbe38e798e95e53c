import QtQuick
import Stashline

// Keyboard movement through a list of day sections and cards. The list's current card is its
// one Tab stop; Up and Down move to the card above or below in the order shown (Home and End to
// the first and the last), skipping section headers, and scroll it into view. A card that gets
// focus any other way (a click, Tab onto a current card scrolled away) becomes current and is
// scrolled into view too.
QtObject {
    id: keys
    required property ListView view

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
        else
            focusCard(cardFrom(index, step))
    }
    function cardFocused(index) {
        view.currentIndex = index
        view.positionViewAtIndex(index, ListView.Contain)
    }
    // Keeps the current row on a card (a list starts on its first header), so Tab finds it.
    function settle() {
        if (view.count === 0 || isCard(view.currentIndex))
            return
        const below = cardFrom(view.currentIndex, 1)
        const card = below >= 0 ? below : cardFrom(view.currentIndex, -1)
        if (card >= 0)
            view.currentIndex = card
    }

    readonly property Connections watcher: Connections {
        target: keys.view
        function onCountChanged() { keys.settle() }
        function onCurrentIndexChanged() { keys.settle() }
    }
    Component.onCompleted: settle()
}
