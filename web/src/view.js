// The screens: the list with its day sections under three scopes, the composer, the delete
// confirmation and the passphrase form. Every text the user wrote is set as plain text
// (textContent), never as markup.
import { t, language } from './i18n.js';
import { resultSections, sections } from './sections.js';
import { isEmptyQuery, matchRank, parseQuery } from './search.js';
import { openableLink } from './record.js';

export function h(tag, properties = {}, ...children) {
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(properties)) {
    if (name.startsWith('on')) element.addEventListener(name.slice(2), value);
    else if (name === 'text') element.textContent = value;
    else if (value !== false && value !== undefined && value !== null) element.setAttribute(name, value === true ? '' : value);
  }
  element.append(...children.filter((child) => child !== null && child !== undefined && child !== false));
  return element;
}

const dayFormat = new Intl.DateTimeFormat(language, { weekday: 'long', month: 'long', day: 'numeric' });
const yearFormat = new Intl.DateTimeFormat(language, { year: 'numeric', month: 'long', day: 'numeric' });

function dayTitle(day, now) {
  const today = new Date(now);
  today.setHours(0, 0, 0, 0);
  const yesterday = new Date(today);
  yesterday.setDate(yesterday.getDate() - 1);
  if (day === today.getTime()) return t('date.today');
  if (day === yesterday.getTime()) return t('date.yesterday');
  return (new Date(day).getFullYear() === today.getFullYear() ? dayFormat : yearFormat).format(day);
}

const statusText = { waiting: 'share.sync.status.pending', sent: 'web.sync.sent', failed: 'share.sync.status.failed' };

export class ListView {
  constructor(root, stash, actions) {
    this.root = root;
    this.stash = stash;
    this.actions = actions;
    this.scope = 'recent';
    this.searchText = '';
    this.cards = new Map(); // id -> {key, element}
    this.pictures = new IntersectionObserver((entries) => this.showPictures(entries), { rootMargin: '400px' });
  }

  render() {
    const now = Date.now();
    const query = parseQuery(this.searchText);
    const searching = !isEmptyQuery(query);
    const list = searching ? resultSections(this.stash.visibleItems(), (item) => matchRank(item, query))
      : sections(this.stash.visibleItems(), this.scope, now);
    const fragment = document.createDocumentFragment();
    const seen = new Set();
    for (const section of list) {
      fragment.append(h('h2', { class: 'day', text: dayTitle(section.day, now) }));
      for (const item of section.items) {
        seen.add(item.id);
        fragment.append(this.card(item));
      }
    }
    if (!list.length) {
      const empty = this.scope === 'recent' ? 'share.list.empty.message' : 'share.history.empty';
      fragment.append(h('p', { class: 'empty', text: searching ? t('share.search.noResults %1', this.searchText.trim()) : t(empty) }));
    }
    for (const id of this.cards.keys()) if (!seen.has(id)) this.cards.delete(id);
    this.root.replaceChildren(fragment);
  }

  // A card is made again only when its revision or status changed.
  card(item) {
    const status = this.stash.status(item);
    const key = `${item.rev}|${status}`;
    const cached = this.cards.get(item.id);
    if (cached && cached.key === key) return cached.element;
    const element = this.makeCard(item, status);
    this.cards.set(item.id, { key, element });
    return element;
  }

  makeCard(item, status) {
    const link = item.contentType === 'url' ? openableLink(item.content) : null;
    const picture = item.picture ? h('img', { class: 'picture', alt: item.title || t('share.item.untitled') }) : null;
    if (picture) {
      picture.dataset.id = item.id;
      this.pictures.observe(picture);
    }
    const button = (label, action, extra = {}) => h('button', { type: 'button', ...extra, onclick: () => action(item) }, label);
    const badge = h('span', { class: `status ${status}`, 'data-status': status, text: t(statusText[status]) });
    // Tapping the card's text or picture opens it for editing; its link opens the link.
    const body = h('div', { class: 'card-body', role: 'button', tabindex: '0', 'aria-label': t('share.edit.title'),
      onclick: () => this.actions.edit(item),
      onkeydown: (event) => { if (event.key === 'Enter') this.actions.edit(item); } },
    h('h3', { class: 'title', text: item.title || (item.content || picture ? '' : t('share.item.untitled')) }),
    link ? h('a', { class: 'content link', href: link, target: '_blank', rel: 'noopener noreferrer', text: link,
      onclick: (event) => event.stopPropagation() })
      : item.content ? h('p', { class: 'content', text: item.content.slice(0, 1000) }) : null,
    picture);
    return h('article', { class: 'card', 'data-id': item.id, 'data-title': item.title },
      h('div', { class: 'card-head' }, body,
        button(item.isFavorite ? '★' : '☆', this.actions.favorite, {
          class: `star${item.isFavorite ? ' on' : ''}`, 'aria-pressed': String(item.isFavorite),
          'aria-label': t(item.isFavorite ? 'Unfavorite' : 'Favorite'),
        })),
      h('div', { class: 'card-actions' },
        badge,
        status === 'failed' ? button(t('share.sync.retry'), this.actions.retry, { class: 'retry' }) : null,
        h('span', { class: 'spacer' }),
        button(t('general.copy'), this.actions.copy, { class: 'copy' }),
        navigator.share ? button(t('web.share'), this.actions.share, { class: 'share' }) : null,
        link ? button(t('general.open'), () => window.open(link, '_blank', 'noopener'), { class: 'open' }) : null,
        button(t('general.delete'), this.actions.remove, { class: 'delete' })));
  }

  async showPictures(entries) {
    for (const entry of entries) {
      if (!entry.isIntersecting) continue;
      const image = entry.target;
      this.pictures.unobserve(image);
      const item = this.stash.items.get(image.dataset.id);
      const blob = item && await this.stash.picture(item);
      if (blob) image.src = URL.createObjectURL(blob);
    }
  }
}

// The add form: a note or a link typed or pasted, an optional title, a picture from the camera
// or the gallery, and the star.
export function composer(onAdd) {
  let picture = null;
  let favorite = false;
  const content = h('textarea', { id: 'content', rows: 2, placeholder: t('share.list.quickAdd.placeholder') });
  const title = h('input', { id: 'title', type: 'text', placeholder: t('share.extension.title.placeholder') });
  const preview = h('div', { class: 'preview', hidden: true });
  const problem = h('p', { class: 'problem', role: 'alert', hidden: true });
  const star = h('button', { type: 'button', class: 'star', 'aria-pressed': 'false',
    'aria-label': t('share.composer.favorite.accessibility'), onclick: () => {
      favorite = !favorite;
      star.textContent = favorite ? '★' : '☆';
      star.setAttribute('aria-pressed', String(favorite));
    } }, '☆');
  const add = h('button', { type: 'submit', class: 'add', disabled: true }, t('general.add'));
  const update = () => { add.disabled = !content.value.trim() && !picture; };
  content.addEventListener('input', update);
  const choose = async (input) => {
    const file = input.files && input.files[0];
    input.value = '';
    if (!file) return;
    problem.hidden = true;
    try {
      const { pictureToJpeg } = await import('./picture.js');
      picture = await pictureToJpeg(file);
      const image = h('img', { alt: '' });
      image.src = URL.createObjectURL(picture);
      preview.replaceChildren(image, h('button', { type: 'button', class: 'remove',
        'aria-label': t('share.composer.removeImage.accessibility'), onclick: () => {
          picture = null;
          preview.hidden = true;
          update();
        } }, '×'));
      preview.hidden = false;
    } catch {
      problem.textContent = t('web.picture.failed');
      problem.hidden = false;
    }
    update();
  };
  const camera = h('input', { type: 'file', accept: 'image/*', capture: 'environment', hidden: true, id: 'camera' });
  const gallery = h('input', { type: 'file', accept: 'image/*', hidden: true, id: 'gallery' });
  camera.addEventListener('change', () => choose(camera));
  gallery.addEventListener('change', () => choose(gallery));
  const form = h('form', { class: 'composer', onsubmit: async (event) => {
    event.preventDefault();
    if (add.disabled) return;
    add.disabled = true;
    await onAdd({ title: title.value, content: content.value, picture, isFavorite: favorite });
    content.value = '';
    title.value = '';
    picture = null;
    preview.hidden = true;
    if (favorite) star.click();
    update();
  } },
  content, title, preview, problem,
  h('div', { class: 'composer-actions' },
    h('button', { type: 'button', class: 'camera', onclick: () => camera.click() }, t('web.picture.camera')),
    h('button', { type: 'button', class: 'gallery', onclick: () => gallery.click() }, t('share.list.add.image')),
    star, h('span', { class: 'spacer' }), add),
  camera, gallery);
  return form;
}

// The form that asks for the passphrase of an encrypted stash.
export function passphraseForm(onUnlock) {
  const field = h('input', { id: 'passphrase', type: 'password', autocomplete: 'current-password', required: true });
  const problem = h('p', { class: 'problem', role: 'alert', hidden: true });
  const unlock = h('button', { type: 'submit' }, t('web.locked.unlock'));
  return h('form', { class: 'locked', onsubmit: async (event) => {
    event.preventDefault();
    unlock.disabled = true;
    unlock.textContent = t('web.locked.working');
    problem.hidden = true;
    await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve))); // let "Checking…" show
    const opened = await onUnlock(field.value);
    unlock.disabled = false;
    unlock.textContent = t('web.locked.unlock');
    if (!opened) {
      problem.textContent = t('web.locked.wrong');
      problem.hidden = false;
      field.select();
    }
  } },
  h('h2', { text: t('web.locked.title') }),
  h('p', { text: t('web.locked.message') }),
  h('label', { for: 'passphrase', text: t('web.locked.field') }), field, problem, unlock);
}

// The edit form for one item, in `dialog`: its title and its text. Resolves with the changes,
// or null when the user cancelled.
export function editItem(dialog, item) {
  return new Promise((resolve) => {
    const title = h('input', { id: 'edit-title', type: 'text' });
    const content = h('textarea', { id: 'edit-content', rows: 4 });
    title.value = item.title;
    content.value = item.content;
    const close = (value) => () => { dialog.close(); resolve(value); };
    dialog.replaceChildren(h('form', { method: 'dialog', class: 'edit' },
      h('h2', { text: t('share.edit.title') }),
      h('label', { for: 'edit-title', text: t('share.composer.title.label') }), title,
      h('label', { for: 'edit-content', text: t('share.composer.content.label') }), content,
      h('div', { class: 'dialog-actions' },
        h('button', { type: 'button', class: 'cancel', onclick: close(null) }, t('general.cancel')),
        h('span', { class: 'spacer' }),
        h('button', { type: 'button', class: 'save add', onclick: () => {
          const text = content.value.trim();
          close({ title: title.value.trim(), content: text })();
        } }, t('general.save')))));
    dialog.showModal();
  });
}
