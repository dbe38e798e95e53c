#!/usr/bin/env node
// The local CouchDB-compatible server itself, started (detached) by cloud-server.
//
//   server.js --port N --config FILE (--in-memory | --dir DATA_DIR)
//
// It serves the CouchDB HTTP API of express-pouchdb with three differences from a stock
// pouchdb-server, so that neither a web page in the user's browser nor another user of the
// machine can read or change anything:
// - every request needs a valid user (CouchDB's require_valid_user): a request without
//   credentials, or with wrong ones, is answered 401 before any route runs;
// - there is no CORS support at all: no answer carries Access-Control-* headers, so a browser
//   never hands an answer to a page of another origin;
// - it listens on 127.0.0.1 only, whatever the configuration says;
// - only the admin creates or deletes databases (as CouchDB's default): a user of `_users` who
//   tries gets 403, where express-pouchdb would otherwise crash the whole server.
// Files it writes (configuration, log, data) are readable by the user alone.
'use strict';

const path = require('path');

process.umask(0o077);

// The server's building blocks are dependencies of pouchdb-server; load them from there.
const serverPackage = path.dirname(require.resolve('pouchdb-server/package.json'));
const fromServer = (name) => require(require.resolve(name, { paths: [serverPackage] }));

function parseArguments(argv) {
  const options = {};
  for (let i = 0; i < argv.length; i++) {
    const name = argv[i];
    if (name === '--in-memory') options.inMemory = true;
    else if (['--port', '--config', '--dir'].includes(name) && i + 1 < argv.length) options[name.slice(2)] = argv[++i];
    else {
      process.stderr.write(`server.js: unknown or incomplete argument ${name}\n`);
      process.exit(2);
    }
  }
  if (!options.port || !options.config || (!options.inMemory && !options.dir)) {
    process.stderr.write('usage: server.js --port N --config FILE (--in-memory | --dir DATA_DIR)\n');
    process.exit(2);
  }
  return options;
}

// Answers 401 unless authentication found a user. Runs after express-pouchdb's authentication
// step, which sets req.couchSession from Basic credentials or a session cookie.
function requireValidUser(req, res, next) {
  const userContext = req.couchSession && req.couchSession.userCtx;
  if (userContext && userContext.name) return next();
  res.status(401);
  res.set('WWW-Authenticate', 'Basic realm="server"');
  res.json({ error: 'unauthorized', reason: 'Authentication required.' });
}

// Answers 403 to a database creation or deletion by anyone but a server admin.
function requireAdminForDatabases(req, res, next) {
  const isDatabasePath = /^\/[^_/][^/]*\/?$/.test(req.path);
  if (!isDatabasePath || (req.method !== 'PUT' && req.method !== 'DELETE')) return next();
  const roles = (req.couchSession && req.couchSession.userCtx && req.couchSession.userCtx.roles) || [];
  if (roles.includes('_admin')) return next();
  res.status(403);
  res.json({ error: 'forbidden', reason: 'Only the server admin may create or delete databases.' });
}

// Puts requireValidUser right behind the authentication step of `couchApp`, before every
// route. Refuses to run when that step cannot be found: an open server is worse than none.
function installValidUserCheck(couchApp) {
  const stack = couchApp._router && couchApp._router.stack;
  const cookieLayer = stack ? stack.findIndex((layer) => layer.handle && layer.handle.name === 'cookieParser') : -1;
  if (cookieLayer < 0 || cookieLayer + 1 >= stack.length) {
    throw new Error('the authentication step of express-pouchdb was not found; refusing to start an open server');
  }
  couchApp.use(requireValidUser);
  couchApp.use(requireAdminForDatabases);
  const guards = stack.splice(stack.length - 2, 2);
  // The layer after the cookie parser is the authentication step itself.
  stack.splice(cookieLayer + 2, 0, ...guards);
}

function main() {
  const options = parseArguments(process.argv.slice(2));
  const express = fromServer('express');
  const couchApp = fromServer('express-pouchdb')({ configPath: options.config });
  installValidUserCheck(couchApp);

  let PouchDB = fromServer('pouchdb-core')
    .plugin(fromServer('pouchdb-adapter-http'))
    .plugin(fromServer('pouchdb-replication'))
    .plugin(fromServer('pouchdb-mapreduce'));
  const databaseOptions = {};
  if (options.inMemory) {
    PouchDB = PouchDB.plugin(fromServer('pouchdb-adapter-memory'));
  } else {
    PouchDB = PouchDB.plugin(fromServer('pouchdb-adapter-leveldb'));
    databaseOptions.prefix = path.resolve(options.dir) + path.sep;
  }
  couchApp.setPouchDB(PouchDB.defaults(databaseOptions));

  const app = express();
  app.disable('x-powered-by');
  app.use(couchApp);
  const server = app.listen(Number(options.port), '127.0.0.1', () => {
    couchApp.couchLogger.info(`server started on http://127.0.0.1:${options.port}/`);
  });
  server.on('error', (error) => {
    process.stderr.write(`server.js: ${error.message}\n`);
    process.exit(1);
  });
  for (const signal of ['SIGINT', 'SIGTERM']) process.on(signal, () => process.exit(0));
}

main();
