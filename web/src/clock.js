// The time stamp of a change made on this page, ordered after every change this page has seen:
// the larger of the wall clock and one millisecond past the latest "modifiedAt" seen (a hybrid
// logical clock, as on the desktop). A phone whose clock is behind still wins with an edit it
// made after it saw another device's change. The latest time survives reloads.
export class ChangeClock {
  constructor(storage, key = 'stashline-latest-change', wallClock = () => Date.now()) {
    this.storage = storage;
    this.key = key;
    this.wallClock = wallClock;
    this.latest = Number(storage.getItem(key)) || 0;
  }

  observe(time) {
    if (typeof time === 'number' && Number.isFinite(time) && time > this.latest) {
      this.latest = time;
      this.storage.setItem(this.key, String(time));
    }
  }

  stamp() {
    const time = Math.max(this.wallClock(), this.latest + 1);
    this.observe(time);
    return time;
  }
}
