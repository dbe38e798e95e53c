// Builds the web app into dist/: the page, its script bundle (PouchDB in it; libsodium and the
// picture code in chunks loaded only when needed), the style sheet, the manifest, the icon and
// the service worker with the list of files it keeps. The texts come from ../i18n at build time.
// With --design-document FILE it also writes the design document the desktop publishes: every
// file of the app as an attachment with its content type (the desktop embeds it and adds only
// the revision it writes over).
//   node build.mjs [--out DIR] [--design-document FILE]
import * as esbuild from 'esbuild';
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { readMessages } from './scripts/messages.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const option = (name) => {
  const index = process.argv.indexOf(name);
  return index > 0 ? process.argv[index + 1] : null;
};
const out = option('--out') || join(here, 'dist');
const designDocument = option('--design-document');
export const contentTypes = {
  html: 'text/html; charset=utf-8', js: 'text/javascript; charset=utf-8', css: 'text/css; charset=utf-8',
  svg: 'image/svg+xml', webmanifest: 'application/manifest+json',
};

// The texts reach the bundle as the module "stashline-messages", made here from ../i18n.
const messages = JSON.stringify(readMessages(join(here, '..', 'i18n')));
const messagesModule = {
  name: 'stashline-messages',
  setup(build) {
    build.onResolve({ filter: /^stashline-messages$/ }, () => ({ path: 'messages', namespace: 'stashline-messages' }));
    build.onLoad({ filter: /.*/, namespace: 'stashline-messages' }, () => ({ contents: messages, loader: 'json' }));
  },
};

rmSync(out, { recursive: true, force: true });
mkdirSync(out, { recursive: true });
await esbuild.build({
  entryPoints: [join(here, 'src', 'app.js')],
  bundle: true,
  splitting: true,
  format: 'esm',
  minify: true,
  target: ['es2020'],
  outdir: out,
  chunkNames: 'chunk-[hash]',
  define: { global: 'globalThis' },
  legalComments: 'none',
  plugins: [messagesModule],
  logLevel: 'warning',
});
for (const file of readdirSync(join(here, 'static'))) {
  if (file !== 'sw.js') copyFileSync(join(here, 'static', file), join(out, file));
}
copyFileSync(join(here, '..', 'data', 'com.quellmar.Stashline.svg'), join(out, 'icon.svg'));

// The service worker keeps every file of this build; its cache is named after their contents,
// so a new build replaces the old files at once.
const files = readdirSync(out).sort();
const hash = createHash('sha256');
for (const file of files) hash.update(file).update(readFileSync(join(out, file)));
const version = hash.digest('hex').slice(0, 16);
const worker = readFileSync(join(here, 'static', 'sw.js'), 'utf8')
  .replace('__VERSION__', version)
  .replace('__FILES__', JSON.stringify(files));
writeFileSync(join(out, 'sw.js'), worker);

if (designDocument) {
  const attachments = {};
  for (const file of [...files, 'sw.js'].sort()) {
    const type = contentTypes[file.split('.').pop()];
    if (!type) throw new Error(`no content type for ${file}`);
    attachments[file] = { content_type: type, data: readFileSync(join(out, file)).toString('base64') };
  }
  mkdirSync(dirname(designDocument), { recursive: true });
  writeFileSync(designDocument, JSON.stringify({ _id: '_design/stashline-web', version, _attachments: attachments }));
}
console.log(`web: built ${files.length + 1} files into ${out}`);
