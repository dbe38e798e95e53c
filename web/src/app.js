// The page's start: where the database is, the screens, and what each button does.
import { Stash } from './store.js';
import { ListView, composer, editItem, passphraseForm, h } from './view.js';
import { classify } from './record.js';
import { t, language } from './i18n.js';

// The page is served from a design document of the user's database:
// https://server/DATABASE/_design/stashline-web/index.html
const databaseUrl = location.href.split('/_design/')[0];
const stash = new Stash(databaseUrl);
window.stash = stash; // for the browser tests and the curious

document.documentElement.lang = language;
document.title = t('Stashline');
const banner = h('p', { class: 'banner', role: 'status', hidden: true });
const toast = h('p', { class: 'toast', role: 'status', hidden: true });
const list = h('main', { class: 'list', 'aria-live': 'polite' });
const chips = h('nav', { class: 'chips' });
const confirmDialog = h('dialog', { class: 'confirm' });
const lockedArea = h('div', { hidden: true }, passphraseForm(async (passphrase) => stash.unlock(passphrase)));

function showToast(text) {
  toast.textContent = text;
  toast.hidden = false;
  clearTimeout(showToast.timer);
  showToast.timer = setTimeout(() => { toast.hidden = true; }, 1600);
}

function confirmDelete() {
  return new Promise((resolve) => {
    const answer = (value) => () => { confirmDialog.close(); resolve(value); };
    confirmDialog.replaceChildren(h('form', { method: 'dialog' },
      h('h2', { text: t('general.delete.confirmation.title') }),
      h('p', { text: t('general.delete.confirmation.message') }),
      h('div', { class: 'dialog-actions' },
        h('button', { type: 'button', class: 'cancel', onclick: answer(false) }, t('general.cancel')),
        h('button', { type: 'button', class: 'delete-confirm danger', onclick: answer(true) }, t('general.delete')))));
    confirmDialog.showModal();
  });
}

async function copy(item) {
  const text = item.content || item.title;
  if (!text && item.picture) {
    // The clipboard takes PNG pictures everywhere, JPEG hardly anywhere.
    const bitmap = await createImageBitmap(await stash.picture(item));
    const canvas = h('canvas', { width: bitmap.width, height: bitmap.height });
    canvas.getContext('2d').drawImage(bitmap, 0, 0);
    const png = await new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
    await navigator.clipboard.write([new ClipboardItem({ 'image/png': png })]);
  } else {
    await navigator.clipboard.writeText(text);
  }
  showToast(t('web.copied'));
}

async function share(item) {
  const data = { title: item.title };
  if (item.contentType === 'url') data.url = item.content;
  else if (item.content) data.text = item.content;
  const picture = await stash.picture(item);
  if (picture) {
    const file = new File([picture], `${item.title || 'picture'}.jpg`, { type: 'image/jpeg' });
    if (navigator.canShare && navigator.canShare({ files: [file] })) data.files = [file];
  }
  await navigator.share(data).catch(() => {}); // a share the user cancelled is no error
}

const view = new ListView(list, stash, {
  favorite: (item) => stash.toggleFavorite(item),
  retry: (item) => stash.retry(item),
  copy: (item) => copy(item).catch(() => {}),
  share,
  remove: async (item) => { if (await confirmDelete()) await stash.remove(item); },
  edit: async (item) => {
    const changes = await editItem(confirmDialog, item);
    if (!changes || (!changes.title && !changes.content && !item.picture)) return;
    await stash.change(item, { ...changes, contentType: classify(changes.content, !!item.picture) });
  },
});

const scopeNames = { recent: 'share.list.title.recent', favorites: 'share.favorites.title', history: 'share.history.title' };
for (const [scope, id] of Object.entries(scopeNames)) {
  chips.append(h('button', { type: 'button', class: 'chip', 'data-scope': scope, 'aria-pressed': String(scope === view.scope),
    onclick: () => {
      view.scope = scope;
      for (const chip of chips.children) chip.setAttribute('aria-pressed', String(chip.dataset.scope === scope));
      render();
    } }, t(id)));
}
const form = composer((draft) => stash.add(draft));
// Search over every item, with the desktop's words and filters; the chips step aside meanwhile.
const search = h('input', { type: 'search', class: 'search', id: 'search', placeholder: t('share.search.placeholder'),
  'aria-label': t('share.search.placeholder'), oninput: () => {
    view.searchText = search.value;
    render();
  } });

let frame = 0;
function render() {
  frame = 0;
  const locked = stash.isLocked;
  lockedArea.hidden = !locked;
  form.hidden = locked;
  search.hidden = locked;
  chips.hidden = locked || !!view.searchText.trim();
  list.hidden = locked;
  const offline = !navigator.onLine || !stash.online;
  banner.hidden = !offline || locked;
  banner.textContent = navigator.onLine ? t('web.sync.failed') : t('web.offline');
  if (!locked) view.render();
  document.body.dataset.count = String(stash.visibleItems().length);
}
const scheduleRender = () => { if (!frame) frame = requestAnimationFrame(render); };

document.body.append(
  h('header', {}, h('h1', { text: t('Stashline') })),
  banner, lockedArea, form, search, chips, list, confirmDialog, toast);
stash.addEventListener('change', scheduleRender);
addEventListener('online', scheduleRender);
addEventListener('offline', scheduleRender);

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
stash.start().then(() => {
  document.body.dataset.ready = 'true';
  render();
});
