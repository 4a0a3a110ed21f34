// A small static web server for the page's folder, on 127.0.0.1 only:
//   node tools/serve.mjs FOLDER [--port N] [--open]
// Port 0 (the default) takes any free port; --open opens the page in the
// default browser (xdg-open). It serves files below FOLDER and nothing else.
import {createReadStream, statSync} from 'node:fs';
import {createServer} from 'node:http';
import path from 'node:path';
import {spawn} from 'node:child_process';
import {fileURLToPath} from 'node:url';

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8', '.wasm': 'application/wasm', '.json': 'application/json', '.svg': 'image/svg+xml',
    '.png': 'image/png', '.snp': 'application/octet-stream',
};

// Starts serving folder; resolves to the server, whose address() gives the port.
export function serve(folder, port = 0) {
    const root = path.resolve(folder);
    const server = createServer((request, response) => {
        let file;
        try {
            const url = new URL(request.url, 'http://127.0.0.1');
            file = path.join(root, decodeURIComponent(url.pathname));
            if (url.pathname.endsWith('/')) {
                file = path.join(file, 'index.html');
            }
        } catch {
            file = '';
        }
        const inside = file.startsWith(root + path.sep);
        let stat;
        try {
            stat = inside ? statSync(file) : null;
        } catch {
            stat = null;
        }
        if (request.method !== 'GET' && request.method !== 'HEAD') {
            response.writeHead(405).end();
            return;
        }
        if (!stat?.isFile()) {
            response.writeHead(404, {'content-type': 'text/plain; charset=utf-8'}).end('Nenalezeno\n');
            return;
        }
        response.writeHead(200, {
            'content-type': types[path.extname(file)] ?? 'application/octet-stream',
            'content-length': stat.size,
            'cache-control': 'no-cache',
        });
        if (request.method === 'HEAD') {
            response.end();
        } else {
            createReadStream(file).pipe(response);
        }
    });
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, '127.0.0.1', () => resolve(server));
    });
}

if (process.argv[1] && fileURLToPath(import.meta.url) === path.resolve(process.argv[1])) {
    const [folder, ...options] = process.argv.slice(2);
    if (!folder) {
        console.error('usage: node tools/serve.mjs FOLDER [--port N] [--open]');
        process.exit(2);
    }
    const portIndex = options.indexOf('--port');
    const server = await serve(folder, portIndex >= 0 ? Number(options[portIndex + 1]) : 0);
    const url = `http://127.0.0.1:${server.address().port}/`;
    console.log(`Hydrim: ${url} (Ctrl+C ukončí)`);
    if (options.includes('--open')) {
        spawn('xdg-open', [url], {stdio: 'ignore', detached: true}).on('error', () => {}).unref();
    }
}
