#!/usr/bin/env python3
"""Runs each hostile client of the server's fault table once against a fresh
vylora-server on 127.0.0.1 and prints what it cost: the server's peak memory
(VmHWM), what the client got, and the log. Every loop is bounded in count and
time. Usage: bench/attack_server.py [path/to/vylora-server]"""
import os, re, socket, subprocess, sys, tempfile, threading, time

SERVER = sys.argv[1] if len(sys.argv) > 1 else 'build/src/vylora-server'
PASSWORD = 'le bon mot de passe'
MiB = 1024 * 1024


def start(folder, *extra):
    port_probe = socket.socket(); port_probe.bind(('127.0.0.1', 0)); port = port_probe.getsockname()[1]; port_probe.close()
    log = open(os.path.join(folder, '..', 'log'), 'w')
    proc = subprocess.Popen([SERVER, '--folder', folder, '--port', str(port), *extra], stdout=log, stderr=subprocess.STDOUT)
    for _ in range(100):
        try:
            socket.create_connection(('127.0.0.1', port), timeout=0.1).close(); break
        except OSError:
            time.sleep(0.05)
    return proc, port


def peak_mib(proc):
    with open(f'/proc/{proc.pid}/status') as status:
        return int(re.search(r'VmHWM:\s+(\d+)', status.read()).group(1)) // 1024


def site():
    root = tempfile.mkdtemp(prefix='vylora-attack-')
    folder = os.path.join(root, 'site'); os.mkdir(folder)
    with open('data/VYL2010.ini', 'rb') as chart, open(os.path.join(folder, 'VYL2010.ini'), 'wb') as out:
        out.write(chart.read())
    for name, size in (('four.bin', 4 * MiB), ('big.bin', 32 * MiB)):
        with open(os.path.join(folder, name), 'wb') as out:
            out.write(b'b' * size)
    password = os.path.join(root, 'password')
    with open(password, 'w') as out:
        out.write(PASSWORD + '\n')
    os.chmod(password, 0o600)
    return root, folder, password


def log_of(root):
    with open(os.path.join(root, 'log')) as log:
        return log.read()


def exchange(port, data, wait=1.0, source='127.0.0.1'):
    s = socket.socket(); s.bind((source, 0)); s.connect(('127.0.0.1', port)); s.sendall(data)
    s.settimeout(0.2); out = b''; end = time.time() + wait; state = 'open'
    while time.time() < end:
        try:
            piece = s.recv(65536)
        except socket.timeout:
            continue
        except ConnectionResetError:
            state = 'reset'; break
        if not piece:
            state = 'closed'; break
        out += piece
    s.close()
    return re.findall(rb'HTTP/1.1 (\d{3})', out), state


def unauthenticated_uploads(port):
    """32 uploads of 16 MiB with no password from one address, sent at full speed."""
    head = b'POST /expvyl2010.php HTTP/1.1\r\nHost: x\r\nContent-Type: text/plain\r\nContent-Length: %d\r\n\r\n' % (16 * MiB)
    def upload():
        try:
            s = socket.create_connection(('127.0.0.1', port)); s.sendall(head)
            piece = b';' * MiB
            for _ in range(16):
                s.sendall(piece)
            time.sleep(2); s.close()
        except OSError:
            pass
    threads = [threading.Thread(target=upload) for _ in range(32)]
    for t in threads: t.start()
    for t in threads: t.join(30)
    return '32 uploads sent'


def unproven_uploads(port):
    """128 uploads of 1 MB with no password from four addresses, sent at full speed."""
    head = b'POST /expvyl2010.php HTTP/1.1\r\nHost: x\r\nContent-Type: text/plain\r\nContent-Length: 1000000\r\n\r\n'
    def upload(source):
        try:
            s = socket.socket(); s.bind((source, 0)); s.connect(('127.0.0.1', port)); s.sendall(head + b';' * 1000000)
            time.sleep(2); s.close()
        except OSError:
            pass
    threads = [threading.Thread(target=upload, args=(f'127.0.0.{2 + i % 4}',)) for i in range(128)]
    for t in threads: t.start()
    for t in threads: t.join(30)
    return '128 uploads sent'


def unproven_forms(port):
    """128 forms of 1 MB whose password would be inside, from four addresses, sent slowly (10 s each)."""
    head = (b'POST /expvyl2010.php HTTP/1.1\r\nHost: x\r\nContent-Type: multipart/form-data; boundary=b\r\n'
            b'Content-Length: 1000000\r\n\r\n')
    statuses = []
    def upload(source):
        try:
            s = socket.socket(); s.bind((source, 0)); s.connect(('127.0.0.1', port)); s.sendall(head)
            s.settimeout(0.05)
            for _ in range(100):
                s.sendall(b'-' * 9000)
                try:
                    answer = s.recv(100)
                    statuses.append(answer[9:12].decode()); break
                except socket.timeout:
                    pass
            s.close()
        except OSError:
            pass
    threads = [threading.Thread(target=upload, args=(f'127.0.0.{2 + i % 4}',)) for i in range(128)]
    for t in threads: t.start()
    for t in threads: t.join(30)
    return f'{statuses.count("503")} answered 503 while they were sending, {len(statuses)} answered in all'


def pipelined_never_read(port):
    """200 GETs of a 4 MiB file on one connection, never read."""
    s = socket.create_connection(('127.0.0.1', port))
    s.sendall(b'GET /four.bin HTTP/1.1\r\nHost: x\r\n\r\n' * 200)
    time.sleep(4); s.close()
    return '200 GETs sent'


def slow_download(port):
    """A 32 MiB file read at 2 MiB/s."""
    s = socket.socket(); s.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 256 * 1024)
    s.connect(('127.0.0.1', port)); s.sendall(b'GET /big.bin HTTP/1.1\r\nHost: x\r\n\r\n')
    got = 0; start = time.time(); s.settimeout(1)
    while got < 32 * MiB + 200 and time.time() - start < 30:
        try:
            piece = s.recv(256 * 1024)
        except (socket.timeout, ConnectionResetError):
            break
        if not piece:
            break
        got += len(piece)
        time.sleep(max(0, got / (2 * MiB) - (time.time() - start)))
    s.close()
    return f'{got} bytes received of {32 * MiB} (+ head) in {time.time() - start:.1f} s'


def refused_with_password(port):
    answers, _ = exchange(port, b'GET /expvyl2010.php?mdp=le%20bon%20mot%20de%20passe&x HTTP/1.1\r\nBad line\r\n\r\n')
    return f'answers {answers}'


def two_readings(port):
    smuggled = b'GET /vyl.php HTTP/1.1\r\nHost: x\r\n\r\n'
    rows = []
    for name, data in (('space before colon', b'POST /expvyl2010.php HTTP/1.1\r\nHost: x\r\nContent-Length : %d\r\n\r\n' % len(smuggled) + smuggled),
                       ('folded line', b'GET / HTTP/1.1\r\nHost: x\r\nX: 1\r\n Content-Length: %d\r\n\r\n' % len(smuggled) + smuggled)):
        answers, state = exchange(port, data)
        rows.append(f'{name}: answers {answers}, {state}')
    return '; '.join(rows)


def upgrade_close(port):
    rows = []
    for name, data in (('websocket', b'GET / HTTP/1.1\r\nHost: x\r\nConnection: Upgrade\r\nUpgrade: websocket\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n'),
                       ('close + request', b'GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\nGET /vyl.php HTTP/1.1\r\nHost: x\r\n\r\n'),
                       ('HTTP/1.0', b'GET / HTTP/1.0\r\n\r\n')):
        answers, state = exchange(port, data, wait=1.5)
        rows.append(f'{name}: answers {answers}, {state}')
    return '; '.join(rows)


def conditional(port):
    s = socket.create_connection(('127.0.0.1', port)); s.sendall(b'GET /VYL2010.ini HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n')
    head = b''
    while b'\r\n\r\n' not in head:
        head += s.recv(4096)
    s.close()
    etag = re.search(rb'\r\nETag: ([^\r]+)', head)
    if not etag:
        return 'no ETag'
    answers, _ = exchange(port, b'GET /VYL2010.ini HTTP/1.1\r\nHost: x\r\nIf-None-Match: ' + etag.group(1) + b'\r\n\r\n')
    return f'ETag {etag.group(1).decode()}, again with If-None-Match: {answers}'


def main():
    for attack in (unauthenticated_uploads, unproven_uploads, unproven_forms, pipelined_never_read, slow_download, refused_with_password, two_readings,
                   upgrade_close, conditional):
        root, folder, password = site()
        proc, port = start(folder, '--password-file', password)
        try:
            told = attack(port)
            time.sleep(0.5)
            peak = peak_mib(proc)
        finally:
            proc.terminate(); proc.wait(10)
        lines = log_of(root).splitlines()
        secret = sum(PASSWORD.replace(' ', '%20') in line or 'mdp=' in line for line in lines)
        print(f'== {attack.__name__}: {attack.__doc__ or ""}\n   peak {peak} MiB; {told}\n'
              f'   log: {len(lines)} lines, {secret} with the password; last: {lines[-1] if lines else "-"}')

    # Start-up checks: the password file and the TLS files.
    root, folder, password = site()
    os.chmod(password, 0o602)
    checks = [('password file mode 602', ['--password-file', password]), ('password file a folder', ['--password-file', folder])]
    key, cert, other = (os.path.join(root, n) for n in ('key.pem', 'cert.pem', 'other.pem'))
    for days, out, keyout in (('1', cert, key), ('1', os.path.join(root, 'c2.pem'), other)):
        subprocess.run(['openssl', 'req', '-x509', '-newkey', 'ec', '-pkeyopt', 'ec_paramgen_curve:prime256v1', '-nodes',
                        '-days', days, '-subj', '/CN=127.0.0.1', '-keyout', keyout, '-out', out], capture_output=True)
    # A certificate of 2020, signed by its own key through a throwaway CA.
    expired = os.path.join(root, 'expired.pem')
    with open(os.path.join(root, 'ca.cnf'), 'w') as cnf:
        cnf.write('[ca]\ndefault_ca=c\n[c]\ndatabase=index\nnew_certs_dir=.\nserial=serial\ndefault_md=sha256\n'
                  'policy=p\n[p]\ncommonName=supplied\n')
    open(os.path.join(root, 'index'), 'w').close()
    with open(os.path.join(root, 'serial'), 'w') as serial:
        serial.write('01\n')
    subprocess.run(['openssl', 'req', '-new', '-key', key, '-subj', '/CN=127.0.0.1', '-out', 'r.csr'], cwd=root, capture_output=True)
    subprocess.run(['openssl', 'ca', '-batch', '-selfsign', '-config', 'ca.cnf', '-keyfile', key, '-in', 'r.csr',
                    '-startdate', '20200101000000Z', '-enddate', '20200102000000Z', '-out', expired], cwd=root, capture_output=True)
    checks += [('key of another certificate', ['--tls-cert', cert, '--tls-key', other]),
               ('expired certificate', ['--tls-cert', expired, '--tls-key', key]),
               ('certificate ending tomorrow', ['--tls-cert', cert, '--tls-key', key])]
    for name, args in checks:
        try:
            run = subprocess.run([SERVER, '--folder', folder, '--port', '0', *args], capture_output=True, text=True, timeout=3)
            print(f'== start with {name}: exit {run.returncode}: {(run.stderr or run.stdout).strip()}')
        except subprocess.TimeoutExpired as running:
            print(f'== start with {name}: still running after 3 s: {(running.stderr or b"").decode().strip()} {(running.stdout or b"").decode().strip()}')


main()
